#pragma once

#include "choice/choice.h"
#include "print/printing.h"
#include "window/controls.h"

#include <QHash>
#include <QWidget>

class BlinkingCue;
class ChoiceLists;
class LessonButtons;
class Pages;
class RuleBoard;

// The lesson window. It makes the controls as designed, hands each part of the lesson the
// controls it looks after, and turns what the pupil does into what every part then shows: a
// choice in the lists, and the rules, the figure, the prompts and the cues follow from it. The
// whole lesson is drawn at a zoom, which the teacher changes while it runs, or full screen.
class LessonWindow : public QWidget
{
    Q_OBJECT

public:
    // Each style of a blinking cue shows for one beat.
    static constexpr int kCueBeatMs = 400;
    // The cues blink with the given beat (renders hold them still with a long one).
    explicit LessonWindow(int cueBeatMs = kCueBeatMs);
    ~LessonWindow() override;

    // Shows the window at its designed place, at the largest zoom up to largestZoom at which it
    // fits the screen and every text fits its box; or full screen.
    void showFitted(double largestZoom = 1, bool fullScreen = false);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Page
    {
        Introduction,
        Practice
    };

    // What the pupil did.
    void showFocusRings(bool fromKeyboard);
    void showPractice();
    void showIntroduction();
    void takeRadius();
    void takeDistance();
    void showFigure(const Choice &choice, bool radiusChanged);
    void pointerOnBareWindow();
    void pointerOnMessageLine();
    void pointerNearLists();

    // What the teacher did.
    void zoomBy(int steps);
    void setZoom(double zoom);
    void toggleFullScreen();
    // The largest zoom, up to the given one, at which the lesson fits the room and every text
    // its box.
    double fittingZoom(double largest, QSize room);
    QHash<const QWidget *, QSize> textOverflows() const;
    bool textsFit() const;
    void keepFrameOnScreen();

    Controls m_controls;
    Printing m_printing;
    RuleBoard *m_rules;
    Pages *m_pages;
    ChoiceLists *m_lists;
    LessonButtons *m_buttons;
    BlinkingCue *m_nextCue;
    BlinkingCue *m_listCue;
    Page m_page = Page::Introduction;
    QHash<const QWidget *, QSize> m_designedOverflows;
    // The zoom of the window; full screen has its own.
    double m_windowZoom = 1;
    // Whether the window manager's frame round the shown window is known.
    bool m_frameKnown = true;
};
