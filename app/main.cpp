// The two-circles lesson: one window that teaches how two circles in a plane can lie.

#include "app/launch.h"
#include "window/lessonwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const std::unique_ptr<QApplication> application = launch::startApplication(argc, argv);
    LessonWindow window;
    window.showAtDesignedPlace();
    return QApplication::exec();
}
