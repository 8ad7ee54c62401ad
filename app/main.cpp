// The two-circles lesson: one window that teaches how two circles in a plane can lie.

#include "window/lessonwindow.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a long message when it finds no display; a pupil's teacher gets one clear line.
bool displayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#else
    return true;
#endif
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
    QApplication::setApplicationDisplayName(QStringLiteral("Two Circles"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    LessonWindow window;
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
