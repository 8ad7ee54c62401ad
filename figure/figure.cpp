// The figure on the window's surface: the circle with centre P and radius r1, the circle with
// centre Q and radius r2, the segment PQ with its length, the centres with their letters, and a
// green stipple over the region inside both circles. One centimetre of the surface is one unit.

#include "window/lessonwindow.h"

#include "figure/commonregion.h"
#include "platform/integer16.h"
#include "platform/surface.h"
#include "window/placeholders.h"

#include <QString>

namespace {

// Colours as 0x00BBGGRR.
constexpr quint32 kRed = 0x000000FF;
constexpr quint32 kBlue = 0x00FF0000;
constexpr quint32 kGreen = 0x0000C000;
constexpr quint32 kDarkGreen = 0x00008000;

// The letters stand 1 mm below their centre; the length of PQ 2 mm left of and 3.5 mm above the
// middle of the segment. Each position is worked out in double precision and kept as a single.
double below(qint16 y)
{
    return float(y + 0.1);
}

// The two red circles and the blue segment between their centres, with a 2-pixel pen.
void drawCirclesAndSegment(platform::Surface &surface, float xP, float xQ, qint16 yCentres,
                           qint16 r1, qint16 r2)
{
    surface.setDrawWidth(2);
    surface.drawCircle(xP, yCentres, r1, kRed);
    surface.drawCircle(xQ, yCentres, r2, kRed);
    surface.drawLine(xP, yCentres, xQ, yCentres, kBlue);
}

// The length of PQ in small bold blue figures, as " n ", above the middle of the segment.
void printLength(platform::Surface &surface, qint16 xMid, qint16 yCentres, qint16 pq)
{
    surface.setForeColor(kBlue);
    surface.setFontSize(8);
    surface.setFontBold(true);
    surface.setCurrentX(float(xMid - 0.2));
    surface.setCurrentY(float(yCentres - 0.35));
    surface.printNumber(pq);
}

// A centre: its red letter just below it and a 3-pixel dot on it.
void markCentre(platform::Surface &surface, float x, qint16 yCentres, const QString &letter,
                quint32 dotColour)
{
    surface.setFontSize(10);
    surface.setFontBold(true);
    surface.setForeColor(kRed);
    surface.setCurrentX(x);
    surface.setCurrentY(below(yCentres));
    surface.print(letter);
    surface.setDrawWidth(3);
    surface.setPoint(x, yCentres, dotColour);
}

} // namespace

void LessonWindow::DrawDistanceFigure()
{
    platform::Surface &s = surface();
    xMid = 13;
    yCentres = 13;
    // For an odd distance the centres fall on half centimetres.
    xP = float(13 - PQ / 2.0);
    xQ = float(PQ / 2.0 + 13);
    r1PlusR2 = platform::add16(r1, r2);
    absR1MinusR2 = platform::abs16(platform::subtract16(r1, r2));

    drawCirclesAndSegment(s, xP, xQ, yCentres, r1, r2);
    printLength(s, xMid, yCentres, PQ);
    markCentre(s, xP, yCentres, QStringLiteral("P"), kGreen);
    markCentre(s, xQ, yCentres, QStringLiteral("Q"), kDarkGreen);
}

void LessonWindow::DrawFigure()
{
    // Until a distance is chosen there are no centres to draw around.
    if (cboPQ->Text() == kPQPlaceholder)
        return;

    platform::Surface &s = surface();
    s.clear();
    frameHelp->setVisible(true);
    lblRelative->setVisible(true);

    // Centres and letters first: the circles and the segment are drawn over them.
    markCentre(s, xP, yCentres, QStringLiteral("P"), kGreen);
    markCentre(s, xQ, yCentres, QStringLiteral("Q"), kGreen);
    drawCirclesAndSegment(s, xP, xQ, yCentres, r1, r2);
    printLength(s, xMid, yCentres, PQ);

    ShadeCommonRegion();
}

void LessonWindow::ShadeCommonRegion()
{
    platform::Surface &s = surface();
    s.setDrawWidth(1);

    ScanValues values{xScan, yScan, dP, dQ};
    scanCommonRegion({xP, xQ, yCentres, r1, r2}, values, [&s](float x, float y) {
        s.setDrawWidth(3);
        s.setPoint(x, y, kGreen);
    });
    xScan = values.xScan;
    yScan = values.yScan;
    dP = values.dP;
    dQ = values.dQ;
}
