// The lesson's start-up as app/main.cpp does it (the application made, the window fitted to the
// screen and shown at its designed place), ending after the first painted frame instead of waiting
// for the pupil. With BENCH_PHASES set, the time each phase took goes to standard error.

#include "app/launch.h"
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

    const launch::Started started = launch::startApplication(argc, argv);
    phase("application");

    LessonWindow window;
    phase("window and controls");
    exitAfterFirstFrame(&window);
    window.showFitted(started.largestZoom, started.fullScreen);
    phase("fitted and shown");
    const int status = QApplication::exec();
    phase("first frame and exit");
    return status;
}
