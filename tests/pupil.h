#pragma once

#include "platform/choicelist.h"
#include "window/lessonwindow.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QTest>
#include <QTextEdit>

#include <functional>

// The three lists in the order the lesson asks for them.
inline const char *const kLists[] = {"r1", "r2", "distance"};

// A pupil at the lesson window: what they do (click, pick, type, point, print) and what they see,
// in the lesson's words. The window's own controls are found by their names. Unless a beat is
// given, the cues keep still, so that what the window shows depends only on what the pupil did.
class Pupil
{
public:
    static constexpr int kStill = 3600 * 1000;
    explicit Pupil(int cueBeatMs = kStill);

    LessonWindow &window() { return m_window; }
    QWidget *control(const char *name) { return m_window.findChild<QWidget *>(name); }
    ChoiceList *list(const char *name) { return m_window.findChild<ChoiceList *>(name); }
    QTextEdit *box(const char *name) { return m_window.findChild<QTextEdit *>(name); }

    // Clicks with the mouse.
    void click(const char *button) { QTest::mouseClick(control(button), Qt::LeftButton); }
    void doubleClick(const char *button);
    void next() { click("next"); }
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
    // The pointer moving over a control (or the window); just below the lists, where the help
    // arrow may come out.
    void point(const char *name, QPoint at = QPoint(-1, -1));
    void pointNearLists()
    {
        point("surroundings", QPoint(5, control("surroundings")->height() - 3));
    }
    // The window carried onto another of the test's screens: "projector" (1920 x 1080, where it
    // opens), "large" (2560 x 1600) or "netbook" (1024 x 600).
    void moveToScreen(const QString &name);
    // Print, answered in the system's dialog: the copies asked for (0 cancels) into a PDF file;
    // a question on the way is answered yes. Returns the messages shown on the way. By default
    // the pupil clicks Print; `press` does something else that may print.
    QStringList print(int copies, const QString &file,
                      const std::function<void()> &press = nullptr);
    int printDialogs() const { return m_printDialogs; }

    bool shows(const char *name) { return control(name)->isVisible(); }
    // What a control reads: a text box's or label's text, a list's field.
    QString text(const char *name)
    {
        QWidget *widget = control(name);
        if (auto *edit = qobject_cast<QTextEdit *>(widget))
            return edit->toPlainText();
        return widget->property(widget->inherits("QComboBox") ? "currentText" : "text").toString();
    }
    // The name of the control with the keyboard focus.
    QString focus()
    {
        const QWidget *focused = QApplication::focusWidget();
        return focused ? focused->objectName() : QString();
    }
    // The rule whose box is yellow (0 if none, -1 if more than one).
    int highlightedRule();
    // The window, or a part of it, as the pupil sees it.
    QImage look(const QRect &part = QRect(QPoint(), QSize(-1, -1)))
    {
        return m_window.grab(part).toImage();
    }

private:
    LessonWindow m_window;
    int m_printDialogs = 0;
};

// Pages in a PDF file that Print wrote (-1: no file).
int pagesIn(const QString &pdf);
