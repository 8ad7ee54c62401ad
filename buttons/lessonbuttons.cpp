#include "buttons/lessonbuttons.h"

#include "platform/colours.h"

LessonButtons::LessonButtons(const Widgets &buttons, QObject *parent)
    : QObject(parent), m_buttons(buttons)
{
    connect(m_buttons.next, &LabelButton::hovered, this, [this] {
        showNext(false);
        emit nextPointedAt();
    });
    for (LabelButton *button : {m_buttons.back, m_buttons.home, m_buttons.print})
        connect(button, &LabelButton::hovered, button,
                [button] { button->setTextColour(colours::kRed); });
}

void LessonButtons::offer(LabelButton *offered, std::optional<Qt::FocusReason> focus)
{
    offered->show();
    if (focus)
        offered->setFocus(*focus);
    (offered == m_buttons.next ? m_buttons.back : m_buttons.next)->hide();
}

void LessonButtons::showNext(bool bold)
{
    m_buttons.next->setTextColour(bold ? colours::kBlue : colours::kRed);
    m_buttons.next->setBold(bold);
}

void LessonButtons::calmAll()
{
    calmBackAndHome();
    m_buttons.print->setTextColour(colours::kBlue);
}

void LessonButtons::calmBackAndHome()
{
    m_buttons.back->setTextColour(colours::kBlue);
    m_buttons.home->setTextColour(colours::kBlue);
}
