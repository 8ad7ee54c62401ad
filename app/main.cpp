// The two-circles lesson: one window that teaches how two circles in a plane can lie.

#include "app/language.h"
#include "app/launch.h"
#include "window/lessonwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const launch::Started started = launch::startApplication(argc, argv);
    language::install(QApplication::arguments());
    LessonWindow window;
    window.showFitted(started.largestZoom, started.fullScreen);
    return QApplication::exec();
}
