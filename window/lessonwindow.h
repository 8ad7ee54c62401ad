#pragma once

#include "print/printing.h"
#include "window/controls.h"

#include <QHash>
#include <QWidget>

class BlinkingCue;
class RuleBoard;

// Hands each part its controls and turns what the pupil does into what each shows; zoomable.
class LessonWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kCueBeatMs = 400;
    // Renders hold the cues still with a long beat.
    explicit LessonWindow(int cueBeatMs = kCueBeatMs);
    ~LessonWindow() override;

    // At the largest zoom up to largestZoom at which the window fits the screen.
    void showFitted(double largestZoom = 1, bool fullScreen = false);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool pageChangedFromKeyboard(const LabelButton *button);
    void showPractice();
    void showIntroduction();
    void takeRadius();
    void takeDistance();
    void showFigure(const Choice &choice, bool radiusChanged);

    void zoomBy(int steps);
    void setZoom(double zoom);
    void toggleFullScreen();
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
    // The page shown, which the window keeps itself rather than reading it off a button.
    bool m_onPractice = false;
    QHash<const QWidget *, QSize> m_designedOverflows;
    double m_windowZoom = 1;
    QPoint m_windowFrame;
    // Whether the window manager's frame round the shown window is known.
    bool m_frameKnown = true;
};
