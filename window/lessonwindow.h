#pragma once

#include "choice/choice.h"
#include "figure/figure.h"
#include "platform/surface.h"
#include "print/printing.h"
#include "window/controls.h"

#include <QWidget>

class BlinkingCue;
class ChoiceLists;
class LessonButtons;
class Pages;
class RuleBoard;

// The lesson window. It makes the controls as designed, hands each part of the lesson the
// controls it looks after, and turns what the pupil does into the pupil's choice and into what
// every part then shows: a pupil's event changes the choice, and the rules, the figure, the
// prompts and the cues follow from it.
class LessonWindow : public QWidget
{
    Q_OBJECT

public:
    // Each style of a blinking cue shows for one beat.
    static constexpr int kCueBeatMs = 400;
    // The cues blink with the given beat (renders hold them still with a long one).
    explicit LessonWindow(int cueBeatMs = kCueBeatMs);
    ~LessonWindow() override;

    // Shows the window with its client area at the designed place, kept on the screen.
    void showAtDesignedPlace();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What the pupil did.
    void showFocusRings(bool fromKeyboard);
    void showPractice();
    void showIntroduction();
    void takeRadius(int which, int value);
    void takeDistance(int value);
    void pointerOnBareWindow();
    void pointerOnMessageLine();
    void pointerNearLists();
    void keepFrameOnScreen();

    Surface m_surface;
    Controls m_controls;
    Choice m_choice;
    Figure m_figure;
    Printing m_printing;
    RuleBoard *m_rules;
    Pages *m_pages;
    ChoiceLists *m_lists;
    LessonButtons *m_buttons;
    BlinkingCue *m_nextCue;
    BlinkingCue *m_listCue;
    // Whether the window manager's frame round the shown window is known.
    bool m_frameKnown = true;
};
