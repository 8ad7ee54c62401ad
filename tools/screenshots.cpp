// Renders the lesson window offscreen into PNG files, for the README and for looking at what a
// pupil sees. The window is driven as a pupil drives it, with the mouse.
// Usage: lesson-screenshots [output-folder] [--language CODE]   (QT_SCALE_FACTOR=2 renders a
// high-density set). In a language given with --language only the introduction and a figure
// page are rendered.

#include "app/language.h"
#include "cues/blinkingcue.h"
#include "platform/choicelist.h"
#include "window/lessonwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPageSize>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

#include <cstdio>

namespace {

void saveShot(LessonWindow &window, const QString &folder, const QString &name)
{
    QCoreApplication::processEvents();
    const QString path = QDir(folder).filePath(name);
    if (!window.grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

template <typename Widget> Widget *control(LessonWindow &window, const char *name)
{
    return window.findChild<Widget *>(QString::fromLatin1(name));
}

// A press and a release of the left button where the pointer already is.
void pressWithMouse(LessonWindow &window, const char *name)
{
    auto *button = control<QAbstractButton>(window, name);
    const QPointF at = button->rect().center();
    const QPointF global = button->mapToGlobal(at);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, global, Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(button, &event);
    }
}

// The pointer moving over a widget (with no button held).
void movePointerOver(QWidget *widget, QPoint at)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void movePointerOver(QWidget *widget)
{
    movePointerOver(widget, widget->rect().center());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    // Only a language asked for is installed: the README's renders stay English whatever the
    // system's language.
    const bool inLanguage =
        QApplication::arguments().join(QLatin1Char(' ')).contains(QStringLiteral("--language"));
    if (inLanguage)
        language::install(QApplication::arguments());
    QDir().mkpath(folder);

    LessonWindow w;
    // The renders do not depend on how fast they are made: the cues keep still.
    w.findChild<BlinkingCue *>(QStringLiteral("nextCue"))->stop();
    w.showFitted();
    saveShot(w, folder, QStringLiteral("introduction.png"));

    pressWithMouse(w, "next");
    w.findChild<BlinkingCue *>(QStringLiteral("listCue"))->stop();
    saveShot(w, folder, QStringLiteral("guided-start.png"));

    control<ChoiceList>(w, "r1")->choose(3);
    control<ChoiceList>(w, "r2")->choose(2);
    saveShot(w, folder, QStringLiteral("choose-distance.png"));
    control<ChoiceList>(w, "distance")->choose(4);
    saveShot(w, folder, QStringLiteral("figure-r3-r2-pq4.png"));
    if (inLanguage)
        return 0;

    movePointerOver(control<QWidget>(w, "print"));
    // Near the lists: just below them, inside the area round them.
    auto *near = control<QWidget>(w, "surroundings");
    movePointerOver(near, QPoint(near->width() / 2, near->height() - 4));
    saveShot(w, folder, QStringLiteral("hover-print.png"));

    // The page Print gives, through the system's dialog into a PDF file on A4 (the Makefile
    // turns it into a PNG).
    const QString pdf = QDir(folder).absoluteFilePath(QStringLiteral("printed-page.pdf"));
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&answer, &pdf] {
        auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        answer.stop();
        dialog->printer()->setPageSize(QPageSize(QPageSize::A4));
        dialog->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(pdf);
        dialog->accept();
    });
    answer.start(10);
    pressWithMouse(w, "print");
    std::printf("%s\n", qPrintable(pdf));

    // The pupil's pointer crosses the window on its way to Back, which puts the help away.
    movePointerOver(&w, QPoint(500, 720));
    movePointerOver(control<QWidget>(w, "back"));
    pressWithMouse(w, "back");
    saveShot(w, folder, QStringLiteral("after-back.png"));
    return 0;
}
