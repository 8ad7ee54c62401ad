#pragma once

#include <QByteArray>

#include <memory>

class QApplication;

// What main() sets up around QApplication, so that the window opens whole on any desktop.
namespace launch {

// Unset, libdbus autolaunches a bus that outlives the lesson and writes ~/.dbus: the address
// becomes the user's bus at $XDG_RUNTIME_DIR/bus if one listens (screen readers), or else none.
void avoidSessionBusAutolaunch();

// QT_SCALE_FACTOR or QT_FONT_DPI as Qt is let read it: no positive finite number is dropped
// (a null value), one out of bounds brought within them; note says so in one line.
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

// A machine without a usable display is told so in one line, and the program ends with status 1
// instead of Qt's abort. argc must outlive the application.
Started startApplication(int &argc, char **argv);

} // namespace launch
