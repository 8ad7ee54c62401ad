#pragma once

#include <QFont>
#include <QRect>
#include <QString>

// The window is designed in twips (1/1440 of a logical inch; 567 make a centimetre) and drawn
// in centimetres. Everything here follows the screen's logical dots per inch, so layout and
// fonts scale together.
namespace design {

inline constexpr double kTwipsPerCentimetre = 567.0;
inline constexpr double kTwipsPerInch = 1440.0;

// Room for a window manager's title bar and borders round the window, in logical pixels: what
// the window leaves for its frame while the real one is not known.
inline constexpr int kFrameWidth = 8;
inline constexpr int kFrameHeight = 36;

// Logical pixels per twip: 1/15 at the usual 96 logical dots per inch.
double pixelsPerTwip();
int twipsToPixels(double twips);
double centimetresToPixels(double cm);
double centimetresToTwips(double cm);
// A position or size in centimetres on the window, in whole pixels as the design rounds them.
int pixelsAt(double cm);

// A designed rectangle in pixels; left, top, width and height are rounded each on its own.
QRect pixelRect(double left, double top, double width, double height);

// A font as the design names it. The design's Windows faces are mapped to their metric twins
// (Liberation) once, before the first font is made, so texts keep their widths.
QFont font(const char *face, double points, bool bold = false, bool italic = false,
           bool underline = false);

} // namespace design
