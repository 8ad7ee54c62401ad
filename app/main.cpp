// The two-circles lesson: one window that teaches how two circles in a plane can lie.

#include "window/lessonwindow.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a long message when it finds no display; a pupil's teacher gets one clear line.
bool displayAvailable()
{
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "two-circles: no display found (DISPLAY is not set); run it on a "
                     "desktop, or on a virtual one with: xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("two-circles"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    LessonWindow window;
    window.showAtDesignedPlace();
    return QApplication::exec();
}
