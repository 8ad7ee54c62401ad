#include "platform/program.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace platform {

namespace {
bool ended = false;
}

void endProgram(int exitCode)
{
    ended = true;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        // Silence every control and timer first, so that no tick or event queued behind this
        // one reaches a handler while the event loop winds down.
        for (QTimer *timer : window->findChildren<QTimer *>())
            timer->stop();
        for (QObject *child : window->findChildren<QObject *>())
            child->blockSignals(true);
        window->blockSignals(true);
        window->hide();
    }
    QCoreApplication::exit(exitCode);
}

bool programEnded()
{
    return ended;
}

} // namespace platform
