// The lesson's start-up as app/main.cpp does it (the application fitted to the screen, the window
// shown at its designed place), ending after the first painted frame instead of waiting for the
// pupil. On a screen too small for the window the program starts itself again once, as the lesson
// does; the time then runs on through the second start, since the process and its environment stay
// the same. With BENCH_PHASES set, the time each phase took goes to standard error.

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

    const std::unique_ptr<QApplication> application = launch::startApplication(argc, argv);
    phase("application, fitted");

    LessonWindow window;
    phase("window and controls");
    exitAfterFirstFrame(&window);
    window.showFitted();
    phase("show");
    const int status = QApplication::exec();
    phase("first frame and exit");
    return status;
}
