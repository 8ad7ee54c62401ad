#pragma once

#include <QList>
#include <QSizeF>
#include <QtGlobal>

// The start-up environment of the lesson: what main() sets up around QApplication so that the
// window opens whole and readable on any desktop, and so that a machine without a usable display
// gets one clear line instead of Qt's abort.
namespace launch {

// The window's client area at 96 logical dots per inch, in logical pixels.
QSizeF designedClientSize();

// Qt 6.4 draws widgets wrongly at a QT_SCALE_FACTOR below 1 (rich text as black bars, labels
// lost), while a lower font DPI at factor 1 draws the same window smaller and whole, since every
// position and font follows the logical DPI. So a factor below 1 is taken out of the environment
// here (it becomes 1) and returned, for fitToScreen() to turn into a lower DPI. Returns 1 when
// there is nothing to take. Call before QApplication exists.
double takeScaleFactorBelowOne();

// With no session bus address, libdbus "autolaunches" a bus: dbus-launch and a dbus-daemon that
// outlive the lesson, and a ~/.dbus folder. An unset or empty address therefore becomes the
// user's own bus where one listens at $XDG_RUNTIME_DIR/bus, or else an address that connects to
// nothing. A set address is kept: a screen reader talks to the lesson over that bus. Call before
// QApplication exists.
void avoidSessionBusAutolaunch();

// True unless it is plain that no display can be had (no DISPLAY, no Wayland, no platform named).
bool displayNamed();

// Prints the one line that tells why no window can open and how to get a display.
void reportNoDisplay(const char *programPath);

// While it lives, a Qt platform that cannot start ends the program with reportNoDisplay() and
// exit status 1 instead of Qt's abort, and Qt's own messages are held back; release() (or the
// destructor) lets the held messages through and puts the previous message handler back. Wrap
// exactly the construction of QApplication in one.
class NoDisplayGuard
{
public:
    explicit NoDisplayGuard(const char *programPath);
    ~NoDisplayGuard();
    NoDisplayGuard(const NoDisplayGuard &) = delete;
    NoDisplayGuard &operator=(const NoDisplayGuard &) = delete;

    void release();
};

// The primary screen as the running process sees it.
struct ScreenMetrics
{
    double logicalDpi = 96;      // QScreen::logicalDotsPerInch()
    double devicePixelRatio = 1; // QScreen::devicePixelRatio()
    QSizeF available;            // QScreen::availableGeometry(), logical pixels
};

// The QT_FONT_DPI that draws the window at the wanted scale and small enough to fit, or 0 when
// the window is to stay as it is. clamped tells that the screen asked for less than the
// smallest size offered, which the answer then is.
struct FontDpiChoice
{
    int dpi = 0;
    bool clamped = false;
};

// The logical DPIs below 96 at which every text of the window still fits its control. Qt sets
// type in whole pixels, so at most DPIs some type comes out a little larger than the rest of
// the window, and the rules, which the design makes exactly as wide as their text, lose their
// last letters. At these it does not. Ascending; the first is the smallest size offered, about
// half the designed one.
QList<int> wholeTextDpis();

// Qt's platform DPI (Xft.dpi on X11, or QT_FONT_DPI) gives both the logical DPI and a device
// pixel ratio: at 120 the logical DPI is 96 and the ratio 1.25, below 96 the ratio stays 1 and
// the logical DPI is the platform's. QT_SCALE_FACTOR multiplies the ratio on top. So the
// platform DPI in force is logicalDpi * devicePixelRatio / qtScaleFactor, and the window scales
// with it, whichever side of 96 it lies. The window counts with a frame around it (a title bar
// above, thin borders) and fits the available area; it is never scaled up. Below 96 the answer
// is the largest of wholeDpis that is small enough, and never less than the first of them.
FontDpiChoice fittingFontDpi(QSizeF clientAt96, const ScreenMetrics &screen, double qtScaleFactor,
                             double wantedScale, const QList<int> &wholeDpis);

// Once QApplication exists and before the window is made: when the window does not fit the
// primary screen, or a scale below 1 was taken out, starts the program anew (same process, same
// arguments) with the QT_FONT_DPI that fittingFontDpi() chooses among wholeTextDpis(). arguments
// are main()'s argv as it came, before QApplication took Qt's own options out of it. The program
// restarts at most once; should the restart fail, the lesson goes on at its present size.
void fitToScreen(double wantedScale, char *const arguments[]);

} // namespace launch
