// The figure: circles, segment, letters and length drawn to scale, the green stipple over the
// region inside both discs and nowhere else, the grid's single-precision arithmetic, the quick
// scan against the plain one, and the overflow of the window's 16-bit sums.

#include "circlegeometry.h"
#include "figure/commonregion.h"
#include "platform/runtimeerror.h"
#include "platform/twips.h"
#include "window/lessonwindow.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPair>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

using Dots = QList<QPair<float, float>>;

// The surface's image in plain ARGB, read in centimetres.
struct Picture
{
    explicit Picture(const QImage &drawn)
        : image(drawn.convertToFormat(QImage::Format_ARGB32)), pixel(drawn.devicePixelRatio()),
          scale(platform::centimetresToPixels(1.0) * pixel)
    {
    }

    int countIn(double left, double top, double right, double bottom, bool (*kind)(QRgb)) const
    {
        int count = 0;
        for (int py = int(std::floor(top * scale)); py <= int(std::floor(bottom * scale)); ++py)
            for (int px = int(std::floor(left * scale)); px <= int(std::floor(right * scale)); ++px)
                count += image.rect().contains(px, py) && kind(image.pixel(px, py));
        return count;
    }

    // Whether a pixel of the kind lies within `radius` cm of (x, y).
    bool anyNear(double x, double y, double radius, bool (*kind)(QRgb)) const
    {
        return countIn(x - radius, y - radius, x + radius, y + radius, kind) > 0;
    }

    const QImage image;
    const double pixel; // in device pixels
    const double scale; // device pixels per centimetre
};

// Colours of the figure; "greenish" is any trace of green, faint edges of a dot included.
bool isRed(QRgb c)
{
    return qAlpha(c) >= 200 && qRed(c) >= 200 && qGreen(c) <= 60 && qBlue(c) <= 60;
}
bool isBlue(QRgb c)
{
    return qAlpha(c) >= 160 && qBlue(c) >= 160 && qRed(c) <= 80 && qGreen(c) <= 80;
}
bool isGreenish(QRgb c)
{
    return qAlpha(c) >= 32 && qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40;
}
bool isGreen(QRgb c)
{
    return qAlpha(c) >= 200 && qGreen(c) >= 150 && qRed(c) <= 60 && qBlue(c) <= 60;
}
bool isDarkGreen(QRgb c)
{
    return qAlpha(c) >= 200 && qGreen(c) >= 100 && qGreen(c) < 150 && qRed(c) <= 40 &&
           qBlue(c) <= 40;
}

// The grid exactly as the lesson describes it, point by point, for comparing the quick scan
// with. The bounds are the figures' own (no 16-bit overflow among them).
Dots plainScan(const CommonRegionFigure &f, ScanValues &v)
{
    Dots dots;
    const float xEnd = float(static_cast<long double>(f.r2) + f.xQ);
    v.xScan = float(static_cast<long double>(f.xP) - f.r1);
    if (v.xScan > xEnd)
        return dots;
    do {
        const float yEnd = float(f.yCentres + f.r2);
        v.yScan = float(f.yCentres - f.r1);
        if (v.yScan <= yEnd) {
            do {
                const CentreDistances d =
                    distancesFromCentres(v.xScan, v.yScan, f.xP, f.xQ, f.yCentres);
                v.dP = d.dP;
                v.dQ = d.dQ;
                if (v.dP < float(f.r1) && v.dQ < float(f.r2))
                    dots.append({v.xScan, v.yScan});
                v.yScan = v.yScan + 0.2f;
            } while (v.yScan <= yEnd);
        }
        v.xScan = v.xScan + 0.2f;
    } while (v.xScan <= xEnd);
    return dots;
}

Dots quickScan(const CommonRegionFigure &f, ScanValues &v)
{
    Dots dots;
    scanCommonRegion(f, v, [&dots](float x, float y) { dots.append({x, y}); });
    return dots;
}

// A fresh window with the pupil's values set and the distance figure drawn on a clear surface.
void drawDistanceFigure(LessonWindow &w, int r1, int r2, int pq)
{
    w.Form_Load();
    w.r1 = qint16(r1);
    w.r2 = qint16(r2);
    w.PQ = qint16(pq);
    w.cboPQ->setEditText(QString::number(pq));
    w.surface().clear();
    w.DrawDistanceFigure();
}

} // namespace

class TestFigure : public QObject
{
    Q_OBJECT

private slots:
    // The suite runs this program at scale 1 and at scale 2. At any scale the surface is drawn
    // at the screen's own density, not upscaled: a circle's stroke is as many device pixels
    // wide as its pen width times the scale.
    void surfaceIsDrawnAtTheScreensDensity()
    {
        LessonWindow w;
        w.show();
        const qreal ratio = w.form->devicePixelRatioF();
        platform::Surface &surface = w.surface();
        surface.setDrawWidth(2);
        surface.drawCircle(13, 13, 3, 0x000000FF);
        const QImage &image = surface.image();
        QCOMPARE(image.devicePixelRatio(), ratio);
        QCOMPARE(image.size(), w.form->size() * ratio);
        // Across the stroke at the circle's rightmost point, on the line of the centre.
        const int y = qRound(platform::centimetresToPixels(13) * ratio);
        const int x0 = qRound(platform::centimetresToPixels(16) * ratio);
        int solid = 0;
        for (int x = x0 - 6 * int(ratio); x <= x0 + 6 * int(ratio); ++x)
            if (qAlpha(image.pixel(x, y)) > 200)
                ++solid;
        QVERIFY2(qAbs(solid - 2 * ratio) <= 1, qPrintable(QString::number(solid)));
    }

    void gridPointInsideBothDiscs_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<float>("xP");
        QTest::addColumn<float>("xQ");
        QTest::addColumn<int>("r1");
        QTest::addColumn<int>("r2");
        QTest::addColumn<bool>("inside");
        const auto row = [](const char *name, float x, float y, float xP, float xQ, int r1, int r2,
                            bool inside) {
            QTest::newRow(name) << x << y << xP << xQ << r1 << r2 << inside;
        };
        // r1 = 3, r2 = 2, PQ = 4: P at 11, Q at 15, the lens from 13 to 14.
        row("middle of the lens", 13.5f, 13.0f, 11.0f, 15.0f, 3, 2, true);
        row("on circle P, line of centres", 14.0f, 13.0f, 11.0f, 15.0f, 3, 2, false);
        row("on circle Q, line of centres", 13.0f, 13.0f, 11.0f, 15.0f, 3, 2, false);
        row("inside P only", 12.0f, 13.0f, 11.0f, 15.0f, 3, 2, false);
        // r1 = r2 = 5, PQ = 4: (14, 17) lies 3 across and 4 down from P, exactly on circle P.
        row("on circle P, off the line of centres", 14.0f, 17.0f, 11.0f, 15.0f, 5, 5, false);
        row("on circle Q, off the line of centres", 12.0f, 9.0f, 11.0f, 15.0f, 5, 5, false);
        row("contact point, touching externally", 13.5f, 13.0f, 10.5f, 15.5f, 3, 2, false);
        row("contact point, touching internally", 15.0f, 13.0f, 12.0f, 14.0f, 3, 1, false);
        row("inside the smaller disc, touching internally", 14.5f, 13.0f, 12.0f, 14.0f, 3, 1, true);
        // The grid's x advances by 0.2 as a single: 25 steps from 10 fall short of 15, so that
        // grid point lies inside the circle of radius 2 round (13, 13), although 15 is on it.
        float x = 10.0f;
        for (int step = 0; step < 25; ++step)
            x += 0.2f;
        QVERIFY(x < 15.0f);
        row("grid point 25 steps from 10, short of the circle", x, 13.0f, 13.0f, 13.0f, 3, 2, true);
    }

    void gridPointInsideBothDiscs()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(float, xP);
        QFETCH(float, xQ);
        QFETCH(int, r1);
        QFETCH(int, r2);
        QFETCH(bool, inside);
        QCOMPARE(insideBothDiscs(x, y, xP, xQ, 13, qint16(r1), qint16(r2)), inside);
    }

    // The scan passes over columns and rows that cannot be inside both discs; what it dots and
    // the working values it leaves must be those of the plain grid.
    void quickScanDotsWhatThePlainGridDots()
    {
        const struct
        {
            QList<int> radii1, radii2, distances;
        } tables[] = {
            {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
            {{1, 5, 20}, {2, 9}, {13, 1001, 32767, -1, -7, -32768}},
            {{40, 301, 0, -2}, {1, 40, 0, -3}, {0, 3, 33, 299}},
        };
        int figuresWithDots = 0;
        for (const auto &table : tables) {
            for (int r1 : table.radii1) {
                for (int r2 : table.radii2) {
                    for (int pq : table.distances) {
                        const CommonRegionFigure f{float(13 - pq / 2.0), float(pq / 2.0 + 13), 13,
                                                   qint16(r1), qint16(r2)};
                        ScanValues plainValues{1, 1, 1, 1};
                        ScanValues quickValues{1, 1, 1, 1};
                        const Dots plain = plainScan(f, plainValues);
                        const QString figure = QString::asprintf("r1 %d, r2 %d, PQ %d: %d dots", r1,
                                                                 r2, pq, int(plain.size()));
                        QVERIFY2(quickScan(f, quickValues) == plain, qPrintable(figure));
                        QCOMPARE(
                            QByteArray::fromRawData(reinterpret_cast<const char *>(&quickValues),
                                                    sizeof quickValues),
                            QByteArray::fromRawData(reinterpret_cast<const char *>(&plainValues),
                                                    sizeof plainValues));
                        figuresWithDots += !plain.isEmpty();
                    }
                }
            }
        }
        QVERIFY(figuresWithDots > 0);

        // yCentres - r1 = -32754 fits 16 bits: the grid is some 164 000 points each way, almost
        // all of them outside Q's disc, which lies inside P's and is dotted whole, without delay.
        ScanValues values;
        const double dots = quickScan({11, 15, 13, 32767, 2}, values).size();
        const double disc = M_PI * 2 * 2 / (0.2 * 0.2);
        QVERIFY2(std::abs(dots - disc) < 0.1 * disc, qPrintable(QString::number(dots)));
    }

    void distanceFigureAndItsStipple_data()
    {
        QTest::addColumn<int>("r1");
        QTest::addColumn<int>("r2");
        QTest::addColumn<int>("pq");
        QTest::newRow("intersecting") << 3 << 2 << 4;
        QTest::newRow("intersecting, odd distance") << 5 << 4 << 7;
        QTest::newRow("equal radii, intersecting") << 5 << 5 << 9;
        QTest::newRow("one inside the other") << 5 << 2 << 1;
        QTest::newRow("one inside the other, even distance") << 2 << 5 << 2;
        QTest::newRow("touching internally") << 3 << 2 << 1;
        QTest::newRow("touching internally, odd distance") << 1 << 4 << 3;
        QTest::newRow("concentric, different radii") << 3 << 2 << 0;
        QTest::newRow("coinciding") << 4 << 4 << 0;
        QTest::newRow("touching externally") << 3 << 2 << 5;
        QTest::newRow("touching externally, even sum") << 4 << 4 << 8;
        QTest::newRow("apart, odd distance") << 1 << 4 << 7;
        QTest::newRow("largest figure, apart") << 5 << 5 << 12;
    }

    void distanceFigureAndItsStipple()
    {
        QFETCH(int, r1);
        QFETCH(int, r2);
        QFETCH(int, pq);
        LessonWindow w;
        drawDistanceFigure(w, r1, r2, pq);
        const Picture drawn(w.surface().image());
        const double px = 1.0 / drawn.scale; // one pixel in cm

        // Each circle passes where its centre and radius put it, and is not wider or narrower:
        // nothing red 1.5 mm inside or outside, unless the other circle passes there.
        const struct
        {
            double x, r, otherX, otherR;
        } circles[] = {{w.xP, double(r1), w.xQ, double(r2)}, {w.xQ, double(r2), w.xP, double(r1)}};
        for (const auto &c : circles) {
            for (int degrees : {45, 90, 135, 225, 270, 315}) {
                const double a = degrees * M_PI / 180.0;
                const auto at = [&](double r) {
                    return QPointF(c.x + r * std::cos(a), 13.0 - r * std::sin(a));
                };
                const QString where =
                    QStringLiteral("circle at %1, radius %2, %3°").arg(c.x).arg(c.r).arg(degrees);
                QVERIFY2(drawn.anyNear(at(c.r).x(), at(c.r).y(), 2 * px, isRed), qPrintable(where));
                for (double r : {c.r - 0.15, c.r + 0.15}) {
                    const QPointF off = at(r);
                    if (std::abs(std::hypot(off.x() - c.otherX, off.y() - 13.0) - c.otherR) > 0.2)
                        QVERIFY2(!drawn.anyNear(off.x(), off.y(), 2 * px, isRed),
                                 qPrintable(where));
                }
            }
        }
        // The segment runs from P to Q on the line of centres, and no farther.
        if (pq >= 2) {
            for (double t : {0.25, 0.75})
                QVERIFY(drawn.anyNear(w.xP + t * (w.xQ - w.xP), 13.0, 2 * px, isBlue));
        }
        QVERIFY(!drawn.anyNear(w.xP - 0.3, 13.0, 2 * px, isBlue));
        QVERIFY(!drawn.anyNear(w.xQ + 0.3, 13.0, 2 * px, isBlue));
        // The letters stand just below and right of their centres, the length above the middle.
        QVERIFY(drawn.countIn(w.xP, 13.1, w.xP + 0.5, 13.6, isRed) >= 5);
        QVERIFY(drawn.countIn(w.xQ, 13.1, w.xQ + 0.5, 13.6, isRed) >= 5);
        QCOMPARE(drawn.countIn(w.xP - 0.5, 12.4, w.xP, 12.9, isRed), 0);
        QVERIFY(drawn.countIn(12.8, 12.65, 13.6, 12.92, isBlue) >= 5);
        QCOMPARE(drawn.countIn(12.0, 13.1, 12.7, 13.6, isBlue), 0);
        // The centre dots: green at P, dark green at Q (Q's dot is drawn last).
        QVERIFY(drawn.anyNear(w.xQ, 13.0, 2 * px, isDarkGreen));
        if (pq != 0)
            QVERIFY(drawn.anyNear(w.xP, 13.0, 2 * px, isGreen));

        // The stipple: dots exactly when the discs share an area, and the pen left at 1 when
        // nothing was dotted.
        const int before = w.surface().operationCount();
        w.ShadeCommonRegion();
        const int dots = w.surface().operationCount() - before;
        const auto relation = circlegeometry::relation(r1, r2, pq);
        const bool shared = relation == circlegeometry::IntersectTwice ||
                            relation == circlegeometry::OneInsideOther ||
                            relation == circlegeometry::TouchInternally;
        QCOMPARE(dots > 0, shared);
        QCOMPARE(w.surface().drawWidth(), shared ? 3 : 1);

        // No green outside both discs but the centre dots. A dot is 3 pixels across, its centre
        // moved onto the pixel grid: a trace of it can reach 3 pixels beyond its grid point.
        const Picture shaded(w.surface().image());
        const double s = shaded.scale, reach = 3 * shaded.pixel;
        int greenAwayFromCentres = 0;
        QRect ink;
        for (int iy = 0; iy < shaded.image.height(); ++iy) {
            for (int ix = 0; ix < shaded.image.width(); ++ix) {
                const QRgb colour = shaded.image.pixel(ix, iy);
                if (qAlpha(colour) != 0)
                    ink |= QRect(ix, iy, 1, 1);
                const double fromP = std::hypot(ix + 0.5 - w.xP * s, iy + 0.5 - 13 * s);
                const double fromQ = std::hypot(ix + 0.5 - w.xQ * s, iy + 0.5 - 13 * s);
                if (!isGreenish(colour) || fromP <= reach || fromQ <= reach)
                    continue;
                ++greenAwayFromCentres;
                QVERIFY2(fromP < r1 * s + reach && fromQ < r2 * s + reach,
                         qPrintable(QStringLiteral("green at (%1, %2) px").arg(ix).arg(iy)));
            }
        }
        QCOMPARE(greenAwayFromCentres > 0, shared);

        // Each dot of the scan is on the surface at its grid point.
        ScanValues values;
        const Dots grid = quickScan({w.xP, w.xQ, 13, qint16(r1), qint16(r2)}, values);
        QCOMPARE(grid.size(), dots);
        for (const auto &[x, y] : grid)
            QVERIFY2(shaded.anyNear(x, y, 0.05, isGreen),
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));

        // The whole figure lies inside the client area, spanning the circles' extent with the
        // pen's width beside (the largest, 5 5 12, reaches from 2 to 24 cm across).
        QVERIFY(shaded.image.rect().adjusted(1, 1, -1, -1).contains(ink));
        const double tolerance = 2 * shaded.pixel;
        QVERIFY(std::abs(ink.left() - std::min(w.xP - r1, w.xQ - r2) * s) <= tolerance);
        QVERIFY(std::abs(ink.right() + 1 - std::max(w.xP + r1, w.xQ + r2) * s) <= tolerance);
        QVERIFY(std::abs(ink.top() - (13 - std::max(r1, r2)) * s) <= tolerance);
        QVERIFY(std::abs(ink.bottom() + 1 - (13 + std::max(r1, r2)) * s) <= tolerance);
    }

    void redrawWaitsForADistance_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("draws");
        QTest::newRow("placeholder") << QStringLiteral("PQ") << false;
        QTest::newRow("lower case") << QStringLiteral("pq") << true;
        QTest::newRow("leading blank") << QStringLiteral(" PQ") << true;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("a distance typed, not chosen") << QStringLiteral("9") << true;
    }

    // A new radius redraws the figure round the centres of the last distance chosen, once the
    // distance list shows anything but its placeholder.
    void redrawWaitsForADistance()
    {
        QFETCH(QString, shown);
        QFETCH(bool, draws);
        LessonWindow w;
        drawDistanceFigure(w, 3, 2, 4);
        w.ShadeCommonRegion();
        w.surface().setDrawWidth(2);
        w.frameHelp->setVisible(false);
        w.lblRelative->setVisible(false);
        const QImage before = w.surface().image().copy();
        const int operations = w.surface().operationCount();
        w.r1 = 5;
        w.cboPQ->setEditText(shown);
        QCOMPARE(w.cboPQ->Text(), shown);
        w.DrawFigure();
        QCOMPARE(w.surface().operationCount() != operations, draws);
        QCOMPARE(w.surface().image() == before, !draws);
        QCOMPARE(w.surface().drawWidth() == 2, !draws);
        QCOMPARE(w.frameHelp->Visible(), draws);
        QCOMPARE(w.lblRelative->Visible(), draws);
        if (!draws)
            return;

        const Picture picture(w.surface().image());
        const double px = 1.0 / picture.scale;
        QVERIFY(picture.anyNear(11.0, 8.0, 2 * px, isRed));   // circle P, radius 5
        QVERIFY(!picture.anyNear(11.0, 10.0, 2 * px, isRed)); // radius 3 is gone
        // The new common region: Q's disc reaches 17, P's now 16.
        QVERIFY(picture.anyNear(15.5, 13.5, 0.15, isGreen));
        QVERIFY(!picture.anyNear(16.5, 13.5, 0.15, isGreenish));
        // Letters and centre dots are drawn before the circles; both centres green.
        QVERIFY(picture.countIn(15.0, 13.1, 15.5, 13.6, isRed) >= 5);
        QVERIFY(!picture.anyNear(15.0, 13.0, 3 * px, isDarkGreen));
    }

    void overflowOfTheWindowsSumsIsARuntimeError_data()
    {
        QTest::addColumn<int>("r1");
        QTest::addColumn<int>("r2");
        QTest::addColumn<bool>("byDistance"); // drawn for a distance choice, or redrawn
        QTest::addColumn<bool>("drawsFirst"); // whether the figure is drawn before the error
        QTest::newRow("r1 + r2 for a distance") << 32767 << 1 << true << false;
        QTest::newRow("r1 - r2 for a distance") << -32768 << 1 << true << false;
        QTest::newRow("|r1 - r2| for a distance") << -32768 << 0 << true << false;
        QTest::newRow("grid bottom yCentres + r2 on redraw") << 32767 << 32767 << false << true;
        // r1 + r2 and r1 - r2 fit; the grid's yCentres + r2 does not.
        QTest::newRow("grid bottom yCentres + r2 after a distance") << 5 << 32760 << true << true;
    }

    void overflowOfTheWindowsSumsIsARuntimeError()
    {
        QFETCH(int, r1);
        QFETCH(int, r2);
        QFETCH(bool, byDistance);
        QFETCH(bool, drawsFirst);
        LessonWindow w;
        drawDistanceFigure(w, 3, 2, 4);
        w.surface().clear();
        w.r1 = qint16(r1);
        w.r2 = qint16(r2);
        // Escaping a handler, it reaches the window's report of unhandled errors as error 6.
        QStringList reports;
        platform::setUnhandledErrorReporter([&](const QString &message) { reports << message; });
        platform::runHandler([&] {
            if (byDistance) {
                w.DrawDistanceFigure();
                w.ShadeCommonRegion();
            } else {
                w.DrawFigure();
            }
        });
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports.first().contains(QStringLiteral("'6'")), qPrintable(reports.first()));
        QCOMPARE(w.surface().operationCount() > 0, drawsFirst);
    }
};

QTEST_MAIN(TestFigure)
#include "tst_figure.moc"
