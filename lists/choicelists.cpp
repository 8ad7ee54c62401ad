#include "lists/choicelists.h"

#include "platform/choicelist.h"
#include "platform/colours.h"

#include <QEvent>
#include <QLabel>

namespace {

void showBoth(const std::array<QWidget *, 2> &caption)
{
    caption[0]->show();
    caption[1]->show();
}

} // namespace

ChoiceLists::ChoiceLists(const Widgets &widgets, QObject *parent)
    : QObject(parent), m_widgets(widgets)
{
    connect(m_widgets.r1, &ChoiceList::chosen, this, [this](int value) {
        m_widgets.r2->setEnabled(true);
        showBoth(m_widgets.r1Caption);
        settle(m_widgets.r1);
        emit radiusChosen(1, value);
    });
    connect(m_widgets.r2, &ChoiceList::chosen, this, [this](int value) {
        m_widgets.distance->setEnabled(true);
        showBoth(m_widgets.r2Caption);
        settle(m_widgets.r2);
        emit radiusChosen(2, value);
    });
    connect(m_widgets.distance, &ChoiceList::chosen, this, [this](int value) {
        m_widgets.distanceCaption->show();
        settle(m_widgets.distance);
        emit distanceChosen(value);
    });
    m_widgets.surroundings->installEventFilter(this);
}

void ChoiceLists::openForGuidedStart()
{
    for (ChoiceList *list : {m_widgets.r1, m_widgets.r2, m_widgets.distance})
        list->show();
    m_widgets.r2->setEnabled(false);
    m_widgets.distance->setEnabled(false);
}

void ChoiceLists::openForResume()
{
    for (ChoiceList *list : {m_widgets.r1, m_widgets.r2, m_widgets.distance})
        list->show();
    showBoth(m_widgets.r1Caption);
    showBoth(m_widgets.r2Caption);
}

void ChoiceLists::close()
{
    for (QWidget *widget :
         {static_cast<QWidget *>(m_widgets.r1), static_cast<QWidget *>(m_widgets.r2),
          static_cast<QWidget *>(m_widgets.distance), m_widgets.r1Caption[0],
          m_widgets.r1Caption[1], m_widgets.r2Caption[0], m_widgets.r2Caption[1],
          static_cast<QWidget *>(m_widgets.distanceCaption)})
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

void ChoiceLists::focusRadius(Qt::FocusReason reason)
{
    m_widgets.r1->setFocus(reason);
}

void ChoiceLists::focusDistance(Qt::FocusReason reason)
{
    m_widgets.distance->setFocus(reason);
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
