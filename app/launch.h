#pragma once

#include <QByteArray>

#include <memory>

class QApplication;

// What main() sets up around QApplication, so that the window opens whole and readable on any
// desktop, and a machine without a usable display gets one clear line instead of Qt's abort.
namespace launch {

// Without a session bus address libdbus autolaunches a bus that outlives the lesson and writes
// ~/.dbus. An unset or empty address becomes the user's bus at $XDG_RUNTIME_DIR/bus if one
// listens there (a screen reader talks over it), or else one that connects to nothing.
void avoidSessionBusAutolaunch();

// A scale variable (QT_SCALE_FACTOR or QT_FONT_DPI) as the program lets Qt read it: a value
// that is no positive finite number is dropped, as if unset, and one out of bounds is brought
// within them. note says in one line what was done; it is empty when the value is kept.
struct ScaleVariable
{
    QByteArray value; // null: unset
    QByteArray note;
};
ScaleVariable saneScaleVariable(const char *name, const QByteArray &value);

// The lesson's QApplication, and how the window is to be shown: at most at largestZoom (below 1
// where QT_SCALE_FACTOR asked for a smaller desktop), and full screen with --full-screen.
struct Started
{
    std::unique_ptr<QApplication> application;
    double largestZoom = 1;
    bool fullScreen = false;
};

// Makes the lesson's QApplication as main() needs it: closed standard streams opened on
// /dev/null, nonsense scale variables refused, no session bus autolaunched, and a machine
// without a usable display told so in one line on standard error, ending the program with
// status 1 instead of Qt's abort. argc must outlive the application.
Started startApplication(int &argc, char **argv);

} // namespace launch
