#pragma once

#include <QByteArray>

#include <memory>

class QApplication;

// What main() sets up around QApplication, so that the window opens whole on any desktop.
namespace launch {

// Unset, libdbus autolaunches a lasting bus: set to $XDG_RUNTIME_DIR/bus if it listens, or none.
void avoidSessionBusAutolaunch();

// As Qt is let read it: no positive finite number dropped (null), others bounded; note says so.
struct ScaleVariable
{
    QByteArray value;
    QByteArray note;
};
ScaleVariable saneScaleVariable(const char *name, const QByteArray &value);

// largestZoom is below 1 where QT_SCALE_FACTOR asked for a smaller desktop.
struct Started
{
    std::unique_ptr<QApplication> application;
    double largestZoom = 1;
    bool fullScreen = false;
};

// No usable display: one line says so, and status 1 ends it, not Qt's abort. argc must outlive it.
Started startApplication(int &argc, char **argv);

} // namespace launch
