#pragma once

#include "platform/labelbutton.h"

#include <optional>

// The four text buttons at the top right. Next's colour belongs to its cue, not to the mouse.
class LessonButtons : public QObject
{
    Q_OBJECT

public:
    struct Widgets
    {
        LabelButton *next;
        LabelButton *back;
        LabelButton *home;
        LabelButton *print;
    };
    LessonButtons(const Widgets &buttons, QObject *parent);

    // Next or Back: the one offered takes the focus before the other goes, lest it fall elsewhere.
    void offer(LabelButton *offered, std::optional<Qt::FocusReason> focus);
    void offerPrint(bool offered) { m_buttons.print->setVisible(offered); }

    // The two styles Next flickers between: plain red and bold blue.
    void showNext(bool bold);
    // The bare window calms Back, Home and Print; the message line leaves Print as it is.
    void calmAll();
    void calmBackAndHome();

signals:
    void nextPointedAt();

private:
    Widgets m_buttons;
};
