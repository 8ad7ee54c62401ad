#pragma once

#include "choice/choice.h"
#include "platform/choicelist.h"

// The lists of r1, r2 and PQ, opening one after the other, their captions and the area round them.
class ChoiceLists : public QObject
{
    Q_OBJECT

public:
    struct Widgets
    {
        ChoiceList *r1;
        ChoiceList *r2;
        ChoiceList *distance;
        QWidget *r1Letter;
        QWidget *r1Digit;
        QWidget *r2Letter;
        QWidget *r2Digit;
        QWidget *distanceCaption;
        QWidget *surroundings;
    };
    ChoiceLists(const Widgets &widgets, QObject *parent);

    Choice choice() const
    {
        return {m_widgets.r1->value(), m_widgets.r2->value(), m_widgets.distance->value()};
    }

    // As they were left: open in the lesson's order as far as the choice goes.
    void open();
    void close();
    // The page is changing under the pupil's hands.
    void dropTyping();
    void colourWaitingList(const QColor &colour);
    void focusWaitingList(Qt::FocusReason reason) { waitingList()->setFocus(reason); }

signals:
    void radiusChosen();
    void distanceChosen();
    void approached();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showProgress();
    // The first list still waiting for a choice, or the distance once all are chosen.
    ChoiceList *waitingList() const
    {
        return !m_widgets.r1->value()   ? m_widgets.r1
               : !m_widgets.r2->value() ? m_widgets.r2
                                        : m_widgets.distance;
    }

    Widgets m_widgets;
};
