#pragma once

#include <QByteArray>
#include <QList>
#include <QSizeF>

#include <memory>

class QApplication;

// What main() sets up around QApplication, so that the window opens whole and readable on any
// desktop, and a machine without a usable display gets one clear line instead of Qt's abort.
namespace launch {

// The window's client area at 96 logical dots per inch, in logical pixels.
QSizeF designedClientSize();

// Without a session bus address libdbus autolaunches a bus that outlives the lesson and writes
// ~/.dbus. An unset or empty address becomes the user's bus at $XDG_RUNTIME_DIR/bus if one
// listens there (a screen reader talks over it), or else one that connects to nothing.
void avoidSessionBusAutolaunch();

struct ScreenMetrics
{
    double logicalDpi = 96;
    double devicePixelRatio = 1;
    QSizeF available; // logical pixels
};

// The QT_FONT_DPI to draw the window at (0: as it is); clamped when even the smallest size
// offered is too large for the screen.
struct FontDpiChoice
{
    int dpi = 0;
    bool clamped = false;
};

// The logical DPIs below 96 at which every text still fits its control. Qt sets type in whole
// pixels, so at most DPIs some type comes out a little larger than the rest of the window and
// the rules, designed exactly as wide as their text, lose their last letters. Ascending.
QList<int> wholeTextDpis();

// The platform DPI in force is logicalDpi * devicePixelRatio / qtScaleFactor (at 125 % the
// logical DPI is 96 and the ratio 1.25). The window with a frame round it must fit the
// available area and honour wantedScale; it is never scaled up. Below 96 the answer is the
// largest of wholeDpis small enough, never less than the first.
FontDpiChoice fittingFontDpi(QSizeF clientAt96, const ScreenMetrics &screen, double qtScaleFactor,
                             double wantedScale, const QList<int> &wholeDpis);

// A scale variable (QT_SCALE_FACTOR or QT_FONT_DPI) as the program lets Qt read it: a value
// that is no positive finite number is dropped, as if unset, and one out of bounds is brought
// within them. note says in one line what was done; it is empty when the value is kept.
struct ScaleVariable
{
    QByteArray value; // null: unset
    QByteArray note;
};
ScaleVariable saneScaleVariable(const char *name, const QByteArray &value);

// Makes the lesson's QApplication as main() needs it: closed standard streams opened on
// /dev/null, nonsense scale variables refused, the start-up fitted to the screen (which
// may start the program anew), no session bus autolaunched, and a machine without a usable
// display told so in one line on standard error, ending the program with status 1 instead of
// Qt's abort. argc must outlive the application.
std::unique_ptr<QApplication> startApplication(int &argc, char **argv);

} // namespace launch
