#pragma once

#include "cues/blinkingcue.h"
#include "platform/choicelist.h"
#include "window/lessonwindow.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QTest>
#include <QTextEdit>

#include <optional>

// The three lists in the order the lesson asks for them, and the five rules' boxes.
inline const char *const kLists[] = {"cboR1", "cboR2", "cboPQ"};
inline const char *const kRules[] = {"rtBox1", "rtBox2", "rtBox3", "rtBox4", "rtBox5"};

// The rule that holds for circles of radii r1, r2 whose centres lie d apart, from their own
// geometry. With P at 0 and Q at d on a line, a common point has x = (d² + r1² - r2²) / 2d and
// y² = r1² - x²; times 4d² that is the whole number below, so its sign says whether they meet in
// two points, touch in one, or do not meet.
inline int ruleFromGeometry(int r1, int r2, int d)
{
    if (d == 0)
        return r1 == r2 ? 2 : 4; // the same circle counts as touching internally
    const long long across = d * d + r1 * r1 - r2 * r2;
    const long long height = 4LL * d * d * r1 * r1 - across * across;
    if (height != 0)
        return height > 0 ? 3 : d > r1 + r2 ? 5 : 4;
    return d == r1 + r2 ? 1 : 2;
}

// A pupil at the lesson window: what they do (click, pick, type, point, wait for a blink) and
// what they see, in the lesson's words. The window's own controls are found by their designed
// names; the two blinking cues ("nextCue", "listCue") are driven one tick at a time.
class Pupil
{
public:
    Pupil();

    LessonWindow &window() { return m_window; }
    template <typename Widget = QWidget> Widget *control(const char *name)
    {
        return m_window.findChild<Widget *>(QString::fromLatin1(name));
    }
    ChoiceList *list(const char *name) { return control<ChoiceList>(name); }
    QTextEdit *box(const char *name) { return control<QTextEdit>(name); }

    // Clicks with the mouse.
    void click(const char *button) { QTest::mouseClick(control(button), Qt::LeftButton); }
    void doubleClick(const char *button);
    void next() { click("lblNext"); }
    void back() { click("lblBack"); }
    // A pick of the item in the open list; and picks in the guided order r1, r2, PQ.
    void pick(const char *list, int value);
    void choose(const QList<int> &picks)
    {
        for (int i = 0; i < picks.size(); ++i)
            pick(kLists[i], picks[i]);
    }
    void practise(const QList<int> &picks = {})
    {
        next();
        choose(picks);
    }
    // Typing into a list's field, without committing; then a key to the focused control.
    void type(const char *list, const QString &text);
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The pointer moving over a control; over the bare window, low where no control lies; over
    // the lists' caption just above the lists.
    void point(const char *name, QPoint at = QPoint(-1, -1));
    void pointAtBareWindow() { point(nullptr, QPoint(10, m_window.height() - 5)); }
    void pointNearLists() { point("lblCombo", QPoint(5, control("lblCombo")->height() - 3)); }
    // One blink of a cue, and whether it blinks.
    void tick(const char *cue) { control<BlinkingCue>(cue)->advance(); }
    bool blinking(const char *cue) { return control<BlinkingCue>(cue)->isBlinking(); }
    // From now on the print dialog answers with these copies (nothing: cancelled), counted.
    void answerPrint(std::optional<int> copies = std::nullopt);
    int printDialogs() const { return m_printDialogs; }

    bool shows(const char *name) { return control(name)->isVisible(); }
    // What a control reads; in a text box, digits set lowered and small read as subscripts (r₁),
    // and any other such character after an underscore.
    QString text(const char *name);
    // The name of the control with the keyboard focus.
    QString focus()
    {
        const QWidget *focused = QApplication::focusWidget();
        return focused ? focused->objectName() : QString();
    }
    // The rule whose box is yellow (0 if none, -1 if more than one).
    int highlightedRule();
    // The surface as drawn so far, whether it is blank, and the colour at a point in centimetres.
    QImage surface();
    bool drawsNothing();
    QColor surfaceAt(double xCm, double yCm);

private:
    LessonWindow m_window;
    int m_printDialogs = 0;
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
