#pragma once

#include <QObject>

#include <optional>

class LabelButton;

// The four text buttons at the top right: Next and Back share one place and are offered one at
// a time, Print is offered once a figure is drawn, Home always. A button turns red under the
// mouse and blue again once the mouse moves on over the bare window; Next's colour belongs to
// its blinking cue instead.
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

    // Next or Back takes the other's place. With a focus reason the one offered takes the
    // keyboard focus before the other goes, so that the focus never falls to whatever Qt
    // finds next.
    void offerNext(std::optional<Qt::FocusReason> focus = std::nullopt);
    void offerBack(std::optional<Qt::FocusReason> focus = std::nullopt);
    bool nextOffered() const;
    void offerPrint(bool offered);

    // The two styles Next flickers between.
    void showNextPlain();
    void showNextBold();

    // The mouse left the buttons for the bare window: Back, Home and Print blue again.
    void calmAll();
    // The mouse crossed the message line: Back and Home blue again, Print left as it is.
    void calmBackAndHome();

signals:
    // The mouse came onto Next: it stops blinking while the pupil points at it.
    void nextPointedAt();

private:
    Widgets m_buttons;
};
