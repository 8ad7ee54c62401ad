#pragma once

#include <QRect>

namespace platform {

// The window is laid out in twips (1/1440 of a logical inch) and scaled in centimetres.
inline constexpr double kTwipsPerCentimetre = 567.0;
inline constexpr double kTwipsPerInch = 1440.0;

// A rectangle in twips, as the window's design gives it.
struct TwipsRect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Logical pixels per twip: 1/15 on a screen of the usual 96 logical dots per inch.
double pixelsPerTwip();

int twipsToPixels(double twips);
double centimetresToTwips(double cm);
double twipsToCentimetres(double twips);
double centimetresToPixels(double cm);

// Left, top, width and height are rounded each on its own, as the design's values are.
QRect pixelRect(const TwipsRect &twips);

} // namespace platform
