#pragma once

#include <QList>
#include <QSizeF>

// What main() sets up around QApplication, so that the window opens whole and readable on any
// desktop, and a machine without a usable display gets one clear line instead of Qt's abort.
namespace launch {

// The window's client area at 96 logical dots per inch, in logical pixels.
QSizeF designedClientSize();

// Qt 6.4 draws widgets wrongly at a QT_SCALE_FACTOR below 1 (rich text as black bars, labels
// lost), while a lower font DPI draws the same window smaller and whole, since every position
// and font follows the logical DPI. So such a factor is taken out (it becomes 1) and returned
// for fitToScreen(); 1 when there is none. Before QApplication exists.
double takeScaleFactorBelowOne();

// Without a session bus address libdbus autolaunches a bus that outlives the lesson and writes
// ~/.dbus. An unset or empty address becomes the user's bus at $XDG_RUNTIME_DIR/bus if one
// listens there (a screen reader talks over it), or else one that connects to nothing.
void avoidSessionBusAutolaunch();

// Wraps the construction of QApplication: a platform that cannot start (no display, or one
// that is gone) ends the program with one line that says why, and status 1. Qt's messages are
// held back until release().
class NoDisplayGuard
{
    Q_DISABLE_COPY(NoDisplayGuard)

public:
    explicit NoDisplayGuard(const char *programPath);
    ~NoDisplayGuard() { release(); }
    void release();
};

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

// Once QApplication exists: when the window does not fit the primary screen or a scale below 1
// was taken out, starts the program anew, once, with the font DPI fittingFontDpi() chooses.
// arguments are main()'s argv before QApplication took Qt's own options out of it.
void fitToScreen(double wantedScale, char *const arguments[]);

} // namespace launch
