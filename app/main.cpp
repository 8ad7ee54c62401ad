// The two-circles lesson: one window that teaches how two circles in a plane can lie.

#include "window/lessonwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("two-circles"));
    QApplication::setApplicationDisplayName(QStringLiteral("Two Circles"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    LessonWindow window;
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
