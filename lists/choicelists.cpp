#include "lists/choicelists.h"

#include "platform/colours.h"

#include <QEvent>

ChoiceLists::ChoiceLists(const Widgets &widgets, QObject *parent)
    : QObject(parent), m_widgets(widgets)
{
    for (ChoiceList *list : {m_widgets.r1, m_widgets.r2, m_widgets.distance})
        connect(list, &ChoiceList::chosen, this, [this, list] {
            showProgress();
            list->setBackground(colours::kPaleGreen);
            if (list == m_widgets.distance)
                emit distanceChosen();
            else
                emit radiusChosen();
        });
    m_widgets.surroundings->installEventFilter(this);
}

void ChoiceLists::open()
{
    for (ChoiceList *list : {m_widgets.r1, m_widgets.r2, m_widgets.distance})
        list->show();
    showProgress();
}

// A list opens once the one before it has a choice, and its caption shows once it has its own.
void ChoiceLists::showProgress()
{
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
    for (QWidget *widget : std::initializer_list<QWidget *>{
             m_widgets.r1, m_widgets.r2, m_widgets.distance, m_widgets.r1Letter, m_widgets.r1Digit,
             m_widgets.r2Letter, m_widgets.r2Digit, m_widgets.distanceCaption})
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
    if (!waitingList()->value())
        waitingList()->setBackground(colour);
}

bool ChoiceLists::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_widgets.surroundings && event->type() == QEvent::MouseMove)
        emit approached();
    return QObject::eventFilter(watched, event);
}
