#pragma once

#include "window/lessonwindow.h"

#include <QColor>
#include <QImage>
#include <QString>

class ChoiceList;
class LabelButton;
class QTextEdit;

// A pupil at the lesson window: what they do (click, pick, type, point, wait for a blink) and
// what they see, in the lesson's words. The window's own controls are found by their designed
// names; the two blinking cues are driven one tick at a time.
class Pupil
{
public:
    Pupil();

    LessonWindow &window() { return m_window; }
    template <typename Widget = QWidget> Widget *control(const char *name)
    {
        return m_window.findChild<Widget *>(QString::fromLatin1(name));
    }
    ChoiceList *list(const char *name);
    QTextEdit *box(const char *name);

    // Clicks with the mouse, as a pupil does.
    void click(const char *button);
    void doubleClick(const char *button);
    void next() { click("lblNext"); }
    void back() { click("lblBack"); }
    // A pick of the item in the open list; and the three in the guided order.
    void pick(const char *list, int value);
    void choose(int r1, int r2, int distance);
    // Typing into a list's field, without committing; then Enter.
    void type(const char *list, const QString &text);
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The pointer moving over a control, or over the bare window (where no control lies).
    void point(const char *name, QPoint at = QPoint(-1, -1));
    void pointAtBareWindow();
    // One blink of a cue.
    void tickNextCue();
    void tickListCue();
    bool nextCueBlinking();
    bool listCueBlinking();

    bool shows(const char *name);
    QString text(const char *name);
    // The rule whose box is yellow (0 if none).
    int highlightedRule();
    // The surface as drawn so far, and the colour at a point given in centimetres.
    QImage surface();
    QColor surfaceAt(double xCm, double yCm);

private:
    LessonWindow m_window;
};

// The colours as the pupil sees them.
namespace seen {
inline const QColor red(255, 0, 0);
inline const QColor blue(0, 0, 255);
inline const QColor yellow(255, 255, 0);
inline const QColor green(0, 192, 0);
inline const QColor paleGreen(213, 255, 220);
inline const QColor magenta(255, 0, 255);
inline const QColor cyan(0, 255, 255);
} // namespace seen
