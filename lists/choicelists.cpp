#include "lists/choicelists.h"

#include "choice/choice.h"
#include "platform/choicelist.h"
#include "platform/colours.h"

#include <QEvent>
#include <QLabel>

ChoiceLists::ChoiceLists(const Widgets &widgets, QObject *parent)
    : QObject(parent), m_widgets(widgets)
{
    connect(m_widgets.r1, &ChoiceList::chosen, this, [this] {
        m_widgets.r2->setEnabled(true);
        m_widgets.r1Letter->show();
        m_widgets.r1Digit->show();
        settle(m_widgets.r1);
        emit radiusChosen();
    });
    connect(m_widgets.r2, &ChoiceList::chosen, this, [this] {
        m_widgets.distance->setEnabled(true);
        m_widgets.r2Letter->show();
        m_widgets.r2Digit->show();
        settle(m_widgets.r2);
        emit radiusChosen();
    });
    connect(m_widgets.distance, &ChoiceList::chosen, this, [this] {
        m_widgets.distanceCaption->show();
        settle(m_widgets.distance);
        emit distanceChosen();
    });
    m_widgets.surroundings->installEventFilter(this);
}

Choice ChoiceLists::choice() const
{
    return {m_widgets.r1->value(), m_widgets.r2->value(), m_widgets.distance->value()};
}

// Each list is open as far as the choice goes, and each chosen list shows its caption: a
// pupil who left part way finds the lists as they were left.
void ChoiceLists::open()
{
    for (ChoiceList *list : {m_widgets.r1, m_widgets.r2, m_widgets.distance})
        list->show();
    m_widgets.r2->setEnabled(m_widgets.r1->value().has_value());
    m_widgets.distance->setEnabled(m_widgets.r2->value().has_value());
    for (QWidget *part : {m_widgets.r1Letter, m_widgets.r1Digit})
        part->setVisible(m_widgets.r1->value().has_value());
    for (QWidget *part : {m_widgets.r2Letter, m_widgets.r2Digit})
        part->setVisible(m_widgets.r2->value().has_value());
    m_widgets.distanceCaption->setVisible(m_widgets.distance->value().has_value());
}

void ChoiceLists::close()
{
    for (QWidget *widget :
         {static_cast<QWidget *>(m_widgets.r1), static_cast<QWidget *>(m_widgets.r2),
          static_cast<QWidget *>(m_widgets.distance), m_widgets.r1Letter, m_widgets.r1Digit,
          m_widgets.r2Letter, m_widgets.r2Digit, static_cast<QWidget *>(m_widgets.distanceCaption)})
        widget->hide();
}

void ChoiceLists::dropTyping()
{
    for (ChoiceList *list : {m_widgets.r1, m_widgets.r2, m_widgets.distance})
        list->discardTyping();
}

// One list at a time, in the order the lists open.
void ChoiceLists::colourWaitingList(const QColor &colour)
{
    const bool r1Waits = !m_widgets.r1->value();
    const bool r2Waits = !m_widgets.r2->value();
    if (r1Waits)
        m_widgets.r1->setBackground(colour);
    if (r2Waits && !r1Waits)
        m_widgets.r2->setBackground(colour);
    if (!m_widgets.distance->value() && !r2Waits)
        m_widgets.distance->setBackground(colour);
}

// The first list still waiting for a choice, or the distance once all are chosen.
void ChoiceLists::focusWaitingList(Qt::FocusReason reason)
{
    ChoiceList *waiting = !m_widgets.r1->value()   ? m_widgets.r1
                          : !m_widgets.r2->value() ? m_widgets.r2
                                                   : m_widgets.distance;
    waiting->setFocus(reason);
}

// A chosen list takes the window's background again, ending its flicker.
void ChoiceLists::settle(ChoiceList *list)
{
    list->setBackground(colours::kPaleGreen);
}

bool ChoiceLists::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_widgets.surroundings && event->type() == QEvent::MouseMove)
        emit approached();
    return QObject::eventFilter(watched, event);
}
