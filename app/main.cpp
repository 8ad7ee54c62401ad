// The two-circles lesson: one window that teaches how two circles in a plane can lie.

#include "app/launch.h"
#include "window/lessonwindow.h"

#include <QApplication>
#include <QGuiApplication>

#include <vector>

int main(int argc, char *argv[])
{
    // What Qt reads when its platform starts has to be right before QApplication exists.
    const double wantedScale = launch::takeScaleFactorBelowOne();
    launch::avoidSessionBusAutolaunch();
    // QApplication takes its own options out of argv; a restart needs them as they came.
    const std::vector<char *> arguments(argv, argv + argc + 1);

    launch::NoDisplayGuard guard(argv[0]);
    QApplication app(argc, argv);
    guard.release();
    QApplication::setApplicationName(QStringLiteral("two-circles"));
    // No display name: Qt would append it to the caption in the title bar. The desktop finds
    // the lesson's name and icon through its desktop entry instead.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.TwoCircles"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    launch::fitToScreen(wantedScale, arguments.data());

    LessonWindow window;
    window.showAtDesignedPlace();
    return QApplication::exec();
}
