#pragma once

#include <QObject>

#include <array>

class QTextEdit;

// The five rules for the relative position of two circles, box k always showing rule (k), and
// the note beneath them: in a reading layout with the note on the introduction, in a compact
// column with the rule that holds highlighted on the practice page.
class RuleBoard : public QObject
{
    Q_OBJECT

public:
    RuleBoard(const std::array<QTextEdit *, 5> &boxes, QTextEdit *note, QObject *parent);

    void clearHighlight();
    // A yellow background, a little lower box (which it keeps from then on), the note as its
    // tooltip, and a state that assistive technology reads.
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
