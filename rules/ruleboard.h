#pragma once

#include <QObject>

#include <array>

class QTextEdit;

// The five rules, box k showing rule (k), and the note beneath; the rule that holds highlighted.
class RuleBoard : public QObject
{
    Q_OBJECT

public:
    RuleBoard(const std::array<QTextEdit *, 5> &boxes, QTextEdit *note, QObject *parent);

    void clearHighlight();
    // The box keeps its lower height from then on.
    void highlight(int rule);
    void placeForReading();
    void placeInColumn();

    static constexpr const char *kHoldsProperty = "ruleHolds";

signals:
    // 0: none highlighted.
    void ruleThatHoldsChanged(int rule);

private:
    void setHolding(int rule);

    std::array<QTextEdit *, 5> m_boxes;
    QTextEdit *m_note;
    int m_holding = 0;
};
