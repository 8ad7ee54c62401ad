#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace platform {

double pixelsPerTwip()
{
    // Fixed at the first call: the whole window is laid out on one scale, and Qt's device pixel
    // ratio, not this scale, takes care of high-density screens.
    static const double scale = [] {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
        return (dpi > 0 ? dpi : 96.0) / kTwipsPerInch;
    }();
    return scale;
}

int twipsToPixels(double twips)
{
    return int(std::lround(twips * pixelsPerTwip()));
}

double centimetresToTwips(double cm)
{
    return cm * kTwipsPerCentimetre;
}

double twipsToCentimetres(double twips)
{
    return twips / kTwipsPerCentimetre;
}

double centimetresToPixels(double cm)
{
    return cm * kTwipsPerCentimetre * pixelsPerTwip();
}

QRect pixelRect(const TwipsRect &twips)
{
    return QRect(twipsToPixels(twips.left), twipsToPixels(twips.top), twipsToPixels(twips.width),
                 twipsToPixels(twips.height));
}

} // namespace platform
