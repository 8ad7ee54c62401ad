// The lesson's start-up as the program does it (application set-up, the window, its load
// handler, show), ending after the first painted frame instead of waiting for the pupil.
// With BENCH_PHASES set, the time each phase took goes to standard error.

#include "firstframe.h"
#include "window/lessonwindow.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    const bool phases = std::getenv("BENCH_PHASES") != nullptr;
    const auto phase = [&](const char *name) {
        if (phases)
            std::fprintf(stderr, "%-28s %7.1f ms\n", name, clock.nsecsElapsed() / 1e6);
        clock.restart();
    };

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("two-circles"));
    QApplication::setApplicationDisplayName(QStringLiteral("Two Circles"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    phase("application");

    LessonWindow window;
    phase("window and controls");
    window.Form_Load();
    phase("Form_Load");
    exitAfterFirstFrame(window.form);
    window.show();
    phase("show");
    const int status = QApplication::exec();
    phase("first frame and exit");
    return status;
}
