#pragma once

#include <QObject>

#include <array>

class QTextEdit;

// The five rules for the relative position of two circles, one per box (box k always shows
// rule (k)), and the note beneath them that the rule that holds will be highlighted. On the
// introduction page the rules stand in a reading layout with the note; on the practice page
// they stand in a compact column at the upper left and the one that holds is highlighted.
class RuleBoard : public QObject
{
    Q_OBJECT

public:
    RuleBoard(const std::array<QTextEdit *, 5> &boxes, QTextEdit *note, QObject *parent);

    // None of the rules highlighted.
    void clearHighlight();
    // Rule (rule) highlighted alone: a yellow background, a little lower box
    // (which it keeps from then on), the note as its tooltip, and a state that assistive
    // technology reads.
    void highlight(int rule);
    void placeForReading();
    void placeInColumn();

    // The property a highlighted box carries for assistive technology.
    static constexpr const char *kHoldsProperty = "ruleHolds";

signals:
    // The rule that holds has changed (0: none highlighted).
    void ruleThatHoldsChanged(int rule);

private:
    void setHolding(int rule);

    std::array<QTextEdit *, 5> m_boxes;
    QTextEdit *m_note;
    int m_holding = 0;
};
