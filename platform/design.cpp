#include "platform/design.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include <cmath>

namespace design {

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

double centimetresToPixels(double cm)
{
    return cm * kTwipsPerCentimetre * pixelsPerTwip();
}

double centimetresToTwips(double cm)
{
    return cm * kTwipsPerCentimetre;
}

int pixelsAt(double cm)
{
    return twipsToPixels(centimetresToTwips(cm));
}

QRect pixelRect(double left, double top, double width, double height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

QFont font(const char *face, double points, bool bold, bool italic, bool underline)
{
    static const bool substituted = [] {
        const auto twin = [](const char *family, const char *first, const char *second) {
            QFont::insertSubstitutions(QString::fromLatin1(family),
                                       {QString::fromLatin1(first), QString::fromLatin1(second)});
        };
        twin("Times New Roman", "Liberation Serif", "DejaVu Serif");
        twin("Arial", "Liberation Sans", "DejaVu Sans");
        twin("MS Sans Serif", "Liberation Sans", "DejaVu Sans");
        twin("Trebuchet MS", "Liberation Sans", "DejaVu Sans");
        return true;
    }();
    Q_UNUSED(substituted);
    QFont f(QString::fromLatin1(face));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

} // namespace design
