#pragma once

#include <QObject>

struct Choice;
class ChoiceList;
class QColor;
class QLabel;
class QWidget;

// The three lists in which the pupil chooses r1, r2 and PQ, with their captions above them and
// the area around them. At first they open one after the other: choosing r1 opens the list of
// r2, choosing r2 opens the list of PQ. A list that has been chosen shows its caption and stops
// flickering.
class ChoiceLists : public QObject
{
    Q_OBJECT

public:
    struct Widgets
    {
        ChoiceList *r1;
        ChoiceList *r2;
        ChoiceList *distance;
        // The captions of the radii: "r" with a small lowered "1" or "2".
        QWidget *r1Letter;
        QWidget *r1Digit;
        QWidget *r2Letter;
        QWidget *r2Digit;
        QLabel *distanceCaption;
        QWidget *surroundings;
    };
    ChoiceLists(const Widgets &widgets, QObject *parent);

    // The pupil's choice: what the lists hold.
    Choice choice() const;

    // The lists shown as they were left: open in the lesson's order as far as the choice goes.
    void open();
    void close();
    // What is typed but not committed goes: the page is changing under the pupil's hands.
    void dropTyping();
    // Colours the list that waits for a choice: r1 until it is chosen, then r2, then PQ.
    void colourWaitingList(const QColor &colour);
    void focusWaitingList(Qt::FocusReason reason);

signals:
    void radiusChosen();
    void distanceChosen();
    // The mouse moved near the lists.
    void approached();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void settle(ChoiceList *list);

    Widgets m_widgets;
};
