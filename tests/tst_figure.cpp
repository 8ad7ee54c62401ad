// The figure: circles, segment, letters and length drawn to scale, the green stipple over the
// region inside both discs and nowhere else, the grid's single-precision arithmetic, the quick
// scan against the plain one, and the overflow of the window's 16-bit sums.

#include "circlegeometry.h"
#include "figure/commonregion.h"
#include "platform/runtimeerror.h"
#include "platform/twips.h"
#include "window/lessonwindow.h"

#include <QImage>
#include <QList>
#include <QPair>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTest>

#include <cmath>
#include <cstring>
#include <functional>

namespace {

using Dots = QList<QPair<float, float>>;

// The surface's image in plain ARGB, read in centimetres.
class Picture
{
public:
    explicit Picture(const QImage &image)
        : m_image(image.convertToFormat(QImage::Format_ARGB32)),
          m_scale(platform::centimetresToPixels(1.0) * image.devicePixelRatio()),
          m_pixel(image.devicePixelRatio())
    {
    }

    double scale() const { return m_scale; }
    double pixel() const { return m_pixel; }
    const QImage &image() const { return m_image; }

    // Whether a pixel of the kind lies within `radius` cm of (x, y).
    bool anyNear(double x, double y, double radius, bool (*kind)(QRgb)) const
    {
        return countIn(x - radius, y - radius, x + radius, y + radius, kind) > 0;
    }

    int countIn(double left, double top, double right, double bottom, bool (*kind)(QRgb)) const
    {
        int count = 0;
        for (int py = int(std::floor(top * m_scale)); py <= int(std::floor(bottom * m_scale)); ++py)
            for (int px = int(std::floor(left * m_scale)); px <= int(std::floor(right * m_scale));
                 ++px)
                if (m_image.rect().contains(px, py) && kind(m_image.pixel(px, py)))
                    ++count;
        return count;
    }

private:
    QImage m_image;
    double m_scale;
    double m_pixel;
};

bool isRed(QRgb c)
{
    return qAlpha(c) >= 200 && qRed(c) >= 200 && qGreen(c) <= 60 && qBlue(c) <= 60;
}

bool isBlue(QRgb c)
{
    return qAlpha(c) >= 160 && qBlue(c) >= 160 && qRed(c) <= 80 && qGreen(c) <= 80;
}

// Any trace of green, faint edges of a dot included.
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

float centreOfP(int pq)
{
    return float(13 - pq / 2.0);
}

float centreOfQ(int pq)
{
    return float(pq / 2.0 + 13);
}

// The grid exactly as the lesson describes it, point by point, for comparing the quick scan
// with. The bounds are the figures' own (no 16-bit overflow among them).
Dots plainScan(const CommonRegionFigure &f, ScanValues &v)
{
    Dots dots;
    const float xEnd = float(static_cast<long double>(f.r2) + f.xQ);
    const float xStart = float(static_cast<long double>(f.xP) - f.r1);
    v.xScan = xStart;
    if (v.xScan > xEnd)
        return dots;
    for (;;) {
        const float yStart = float(f.yCentres - f.r1);
        const float yEnd = float(f.yCentres + f.r2);
        v.yScan = yStart;
        if (!(v.yScan > yEnd)) {
            for (;;) {
                const CentreDistances d =
                    distancesFromCentres(v.xScan, v.yScan, f.xP, f.xQ, f.yCentres);
                v.dP = d.dP;
                v.dQ = d.dQ;
                if (v.dP < float(f.r1) && v.dQ < float(f.r2))
                    dots.append({v.xScan, v.yScan});
                v.yScan = v.yScan + 0.2f;
                if (!(v.yScan <= yEnd))
                    break;
            }
        }
        v.xScan = v.xScan + 0.2f;
        if (!(v.xScan <= xEnd))
            break;
    }
    return dots;
}

Dots quickScan(const CommonRegionFigure &f, ScanValues &v)
{
    Dots dots;
    scanCommonRegion(f, v, [&dots](float x, float y) { dots.append({x, y}); });
    return dots;
}

bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The pupil's values set and the distance figure drawn on a cleared surface.
void drawDistanceFigure(LessonWindow &w, qint16 r1, qint16 r2, qint16 pq)
{
    w.r1 = r1;
    w.r2 = r2;
    w.PQ = pq;
    w.cboPQ->setEditText(QString::number(pq));
    w.surface().clear();
    w.DrawDistanceFigure();
}

} // namespace

class TestFigure : public QObject
{
    Q_OBJECT

private slots:
    void gridPointInsideBothDiscs_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<float>("xP");
        QTest::addColumn<float>("xQ");
        QTest::addColumn<int>("r1");
        QTest::addColumn<int>("r2");
        QTest::addColumn<bool>("inside");
        // r1 = 3, r2 = 2, PQ = 4: P at 11, Q at 15, the lens from 13 to 14.
        QTest::newRow("middle of the lens") << 13.5f << 13.0f << 11.0f << 15.0f << 3 << 2 << true;
        QTest::newRow("on circle P, line of centres")
            << 14.0f << 13.0f << 11.0f << 15.0f << 3 << 2 << false;
        QTest::newRow("on circle Q, line of centres")
            << 13.0f << 13.0f << 11.0f << 15.0f << 3 << 2 << false;
        QTest::newRow("inside P only") << 12.0f << 13.0f << 11.0f << 15.0f << 3 << 2 << false;
        QTest::newRow("inside Q only") << 15.0f << 13.0f << 11.0f << 15.0f << 3 << 2 << false;
        QTest::newRow("lens, off the line of centres")
            << 13.5f << 13.8f << 11.0f << 15.0f << 3 << 2 << true;
        // r1 = r2 = 5, PQ = 4: (14, 17) lies 3 across and 4 down from P, exactly on circle P.
        QTest::newRow("on circle P, off the line of centres")
            << 14.0f << 17.0f << 11.0f << 15.0f << 5 << 5 << false;
        QTest::newRow("just inside that point")
            << 14.0f << 16.8f << 11.0f << 15.0f << 5 << 5 << true;
        QTest::newRow("on circle Q, off the line of centres")
            << 12.0f << 9.0f << 11.0f << 15.0f << 5 << 5 << false;
        // r1 = 3, r2 = 2, PQ = 5: the circles touch externally at 13.5.
        QTest::newRow("contact point, touching externally")
            << 13.5f << 13.0f << 10.5f << 15.5f << 3 << 2 << false;
        QTest::newRow("beside the contact point")
            << 13.4f << 13.0f << 10.5f << 15.5f << 3 << 2 << false;
        // r1 = 3, r2 = 1, PQ = 2: Q's circle touches P's from inside at 15.
        QTest::newRow("contact point, touching internally")
            << 15.0f << 13.0f << 12.0f << 14.0f << 3 << 1 << false;
        QTest::newRow("inside the smaller disc, touching internally")
            << 14.5f << 13.0f << 12.0f << 14.0f << 3 << 1 << true;
        QTest::newRow("coinciding circles, centre")
            << 13.0f << 13.0f << 13.0f << 13.0f << 3 << 3 << true;
        QTest::newRow("coinciding circles, on them")
            << 16.0f << 13.0f << 13.0f << 13.0f << 3 << 3 << false;
        // The grid's x advances by 0.2 as a single: 25 steps from 10 fall short of 15, so that
        // grid point lies inside the circle of radius 2 round (13, 13), although 15 is on it.
        float x = 10.0f;
        for (int step = 0; step < 25; ++step)
            x += 0.2f;
        QVERIFY(x < 15.0f);
        QTest::newRow("grid point 25 steps from 10, short of the circle")
            << x << 13.0f << 13.0f << 13.0f << 3 << 2 << true;
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

    void quickScanDotsWhatThePlainGridDots_data()
    {
        QTest::addColumn<QList<int>>("radii1");
        QTest::addColumn<QList<int>>("radii2");
        QTest::addColumn<QList<int>>("distances");
        const QList<int> listRadii{1, 2, 3, 4, 5};
        QList<int> listDistances;
        for (int pq = 0; pq <= 12; ++pq)
            listDistances << pq;
        QTest::newRow("every figure the lists offer") << listRadii << listRadii << listDistances;
        QTest::newRow("distances typed beyond the list")
            << QList<int>{1, 5, 20} << QList<int>{2, 5, 9} << QList<int>{13, 27, 1001, 32767};
        QTest::newRow("negative distances typed")
            << QList<int>{1, 4} << QList<int>{3, 5} << QList<int>{-1, -4, -7, -32768};
        QTest::newRow("radii larger than the lists")
            << QList<int>{40, 301} << QList<int>{1, 7, 40} << QList<int>{0, 3, 33, 47, 299};
        QTest::newRow("zero and negative radii")
            << QList<int>{0, -2, 3} << QList<int>{0, -3, 2} << QList<int>{0, 1, 4};
    }

    void quickScanDotsWhatThePlainGridDots()
    {
        QFETCH(QList<int>, radii1);
        QFETCH(QList<int>, radii2);
        QFETCH(QList<int>, distances);
        int figures = 0;
        int figuresWithDots = 0;
        for (int r1 : radii1) {
            for (int r2 : radii2) {
                for (int pq : distances) {
                    const CommonRegionFigure f{centreOfP(pq), centreOfQ(pq), 13, qint16(r1),
                                               qint16(r2)};
                    ScanValues plainValues{1, 1, 1, 1};
                    ScanValues quickValues{1, 1, 1, 1};
                    const Dots plain = plainScan(f, plainValues);
                    const Dots quick = quickScan(f, quickValues);
                    const QString figure =
                        QStringLiteral("r1 %1, r2 %2, PQ %3").arg(r1).arg(r2).arg(pq);
                    QVERIFY2(quick == plain,
                             qPrintable(figure + QStringLiteral(": %1 dots, plain %2")
                                                     .arg(quick.size())
                                                     .arg(plain.size())));
                    QVERIFY2(sameBits(quickValues.xScan, plainValues.xScan), qPrintable(figure));
                    QVERIFY2(sameBits(quickValues.yScan, plainValues.yScan), qPrintable(figure));
                    QVERIFY2(sameBits(quickValues.dP, plainValues.dP), qPrintable(figure));
                    QVERIFY2(sameBits(quickValues.dQ, plainValues.dQ), qPrintable(figure));
                    ++figures;
                    figuresWithDots += plain.isEmpty() ? 0 : 1;
                }
            }
        }
        QVERIFY(figures > 0);
        QVERIFY(figuresWithDots > 0);
    }

    void stippleCoversTheCommonRegionOnly_data()
    {
        QTest::addColumn<int>("r1");
        QTest::addColumn<int>("r2");
        QTest::addColumn<int>("pq");
        // The grid's columns stand at even tenths of a centimetre for an even distance and at
        // odd ones (from a half) for an odd distance.
        QTest::addColumn<int>("tenths");
        QTest::newRow("intersecting") << 3 << 2 << 4 << 0;
        QTest::newRow("intersecting, odd distance") << 5 << 4 << 7 << 1;
        QTest::newRow("equal radii, intersecting") << 5 << 5 << 9 << 1;
        QTest::newRow("one inside the other") << 5 << 2 << 1 << 1;
        QTest::newRow("one inside the other, even distance") << 2 << 5 << 2 << 0;
        QTest::newRow("touching internally") << 3 << 2 << 1 << 1;
        QTest::newRow("touching internally, odd distance") << 1 << 4 << 3 << 1;
        QTest::newRow("concentric, different radii") << 3 << 2 << 0 << 0;
        QTest::newRow("coinciding") << 4 << 4 << 0 << 0;
        QTest::newRow("touching externally") << 3 << 2 << 5 << 1;
        QTest::newRow("touching externally, even sum") << 4 << 4 << 8 << 0;
        QTest::newRow("apart") << 2 << 2 << 7 << 1;
        QTest::newRow("largest figure, apart") << 5 << 5 << 12 << 0;
        QTest::newRow("typed distance 32767") << 5 << 5 << 32767 << 1;
        QTest::newRow("typed distance -32768") << 5 << 5 << -32768 << 0;
    }

    void stippleCoversTheCommonRegionOnly()
    {
        QFETCH(int, r1);
        QFETCH(int, r2);
        QFETCH(int, pq);
        QFETCH(int, tenths);
        LessonWindow w;
        w.Form_Load();
        drawDistanceFigure(w, qint16(r1), qint16(r2), qint16(pq));
        const int before = w.surface().operationCount();
        w.ShadeCommonRegion();
        const int dots = w.surface().operationCount() - before;

        const auto relation = circlegeometry::relation(r1, r2, std::abs(pq));
        const bool shared = relation == circlegeometry::IntersectTwice ||
                            relation == circlegeometry::OneInsideOther ||
                            relation == circlegeometry::TouchInternally;
        QCOMPARE(dots > 0, shared);
        QCOMPARE(w.surface().drawWidth(), shared ? 3 : 1);

        const Picture picture(w.surface().image());
        const double s = picture.scale();
        const double xP = w.xP * s, xQ = w.xQ * s, yC = 13 * s;
        // A dot is 3 pixels across, its centre moved onto the pixel grid: a trace of it can
        // reach 3 pixels beyond its grid point.
        const double reach = 3 * picture.pixel();
        int greenAwayFromCentres = 0;
        for (int py = 0; py < picture.image().height(); ++py) {
            for (int px = 0; px < picture.image().width(); ++px) {
                if (!isGreenish(picture.image().pixel(px, py)))
                    continue;
                const double cx = px + 0.5, cy = py + 0.5;
                const double fromP = std::hypot(cx - xP, cy - yC);
                const double fromQ = std::hypot(cx - xQ, cy - yC);
                if (fromP <= reach || fromQ <= reach)
                    continue; // a centre dot
                ++greenAwayFromCentres;
                QVERIFY2(fromP < r1 * s + reach && fromQ < r2 * s + reach,
                         qPrintable(QStringLiteral("green at (%1, %2) px").arg(px).arg(py)));
            }
        }
        QCOMPARE(greenAwayFromCentres > 0, shared);

        // Well inside both discs the stipple leaves no gap wider than its grid.
        int probes = 0;
        for (double x = w.xP - r1; x <= w.xQ + r2; x += 0.25) {
            for (double y = 13.0 - r1; y <= 13.0 + r2; y += 0.25) {
                const double fromP = std::hypot(x - w.xP, y - 13.0);
                const double fromQ = std::hypot(x - w.xQ, y - 13.0);
                if (fromP > r1 - 0.2 || fromQ > r2 - 0.2)
                    continue;
                ++probes;
                QVERIFY2(picture.anyNear(x, y, 0.15, isGreen),
                         qPrintable(QStringLiteral("no dot near (%1, %2) cm").arg(x).arg(y)));
            }
        }
        if (shared)
            QVERIFY(probes > 0);

        // Each dot of the scan is on the surface at its grid point.
        ScanValues values;
        const Dots grid = quickScan({w.xP, w.xQ, 13, qint16(r1), qint16(r2)}, values);
        QCOMPARE(grid.size(), dots);
        for (const auto &[x, y] : grid) {
            const double tenth = x * 10.0;
            QVERIFY(std::abs(tenth - std::round(tenth)) < 0.01);
            QCOMPARE((qRound(tenth) % 2 + 2) % 2, tenths);
            QVERIFY2(picture.anyNear(x, y, 0.05, isGreen),
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }
    }

    void figureIsDrawnToScale_data()
    {
        QTest::addColumn<int>("r1");
        QTest::addColumn<int>("r2");
        QTest::addColumn<int>("pq");
        QTest::newRow("intersecting") << 3 << 2 << 4;
        QTest::newRow("odd distance") << 1 << 4 << 7;
        QTest::newRow("intersecting near the samples") << 5 << 4 << 7;
        QTest::newRow("zero distance") << 3 << 2 << 0;
        QTest::newRow("largest figure") << 5 << 5 << 12;
    }

    void figureIsDrawnToScale()
    {
        QFETCH(int, r1);
        QFETCH(int, r2);
        QFETCH(int, pq);
        LessonWindow w;
        w.Form_Load();
        drawDistanceFigure(w, qint16(r1), qint16(r2), qint16(pq));
        QCOMPARE(w.xMid, qint16(13));
        QCOMPARE(w.yCentres, qint16(13));
        QCOMPARE(w.xP, float(13 - pq / 2.0));
        QCOMPARE(w.xQ, float(13 + pq / 2.0));
        QCOMPARE(w.r1PlusR2, qint16(r1 + r2));
        QCOMPARE(w.absR1MinusR2, qint16(std::abs(r1 - r2)));

        const Picture picture(w.surface().image());
        const double px = 1.0 / picture.scale(); // one pixel in cm
        const struct
        {
            double x;
            double r;
            double otherX;
            double otherR;
        } circles[] = {{w.xP, double(r1), w.xQ, double(r2)}, {w.xQ, double(r2), w.xP, double(r1)}};
        for (const auto &c : circles) {
            for (int degrees : {45, 90, 135, 225, 270, 315}) {
                const double a = degrees * M_PI / 180.0;
                const auto at = [&](double r) {
                    return QPointF(c.x + r * std::cos(a), 13.0 - r * std::sin(a));
                };
                const QString where =
                    QStringLiteral("circle at %1, radius %2, %3°").arg(c.x).arg(c.r).arg(degrees);
                const QPointF on = at(c.r);
                QVERIFY2(picture.anyNear(on.x(), on.y(), 2 * px, isRed), qPrintable(where));
                // Not a wider or narrower circle: nothing red 1.5 mm inside or outside, unless
                // the other circle passes there.
                for (double r : {c.r - 0.15, c.r + 0.15}) {
                    const QPointF off = at(r);
                    const double fromOther =
                        std::abs(std::hypot(off.x() - c.otherX, off.y() - 13.0) - c.otherR);
                    if (fromOther > 0.2)
                        QVERIFY2(!picture.anyNear(off.x(), off.y(), 2 * px, isRed),
                                 qPrintable(where));
                }
            }
        }

        // The segment runs from P to Q on the line of centres, and no farther.
        if (pq >= 2) {
            for (double t : {0.25, 0.75})
                QVERIFY(picture.anyNear(w.xP + t * (w.xQ - w.xP), 13.0, 2 * px, isBlue));
        }
        QVERIFY(!picture.anyNear(w.xP - 0.3, 13.0, 2 * px, isBlue));
        QVERIFY(!picture.anyNear(w.xQ + 0.3, 13.0, 2 * px, isBlue));

        // The letters stand just below and right of their centres, the length above the middle.
        QVERIFY(picture.countIn(w.xP, 13.1, w.xP + 0.5, 13.6, isRed) >= 5);
        QVERIFY(picture.countIn(w.xQ, 13.1, w.xQ + 0.5, 13.6, isRed) >= 5);
        QCOMPARE(picture.countIn(w.xP - 0.5, 12.4, w.xP, 12.9, isRed), 0);
        QVERIFY(picture.countIn(12.8, 12.65, 13.6, 12.92, isBlue) >= 5);
        QCOMPARE(picture.countIn(12.0, 13.1, 12.7, 13.6, isBlue), 0);

        // The centre dots: green at P, dark green at Q (Q's dot is drawn last).
        QVERIFY(picture.anyNear(w.xQ, 13.0, 2 * px, isDarkGreen));
        if (pq != 0)
            QVERIFY(picture.anyNear(w.xP, 13.0, 2 * px, isGreen));
    }

    void largestFigureStaysInsideTheClientArea()
    {
        LessonWindow w;
        w.Form_Load();
        drawDistanceFigure(w, 5, 5, 12);
        w.ShadeCommonRegion();
        const Picture picture(w.surface().image());
        const QImage &image = picture.image();
        const QSize client(platform::twipsToPixels(15270), platform::twipsToPixels(11040));
        QCOMPARE(image.size(), client * image.devicePixelRatio());
        QRect drawn;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0)
                    drawn |= QRect(x, y, 1, 1);
        QVERIFY(image.rect().adjusted(1, 1, -1, -1).contains(drawn));
        // It spans x 2 to 24 cm and y 8 to 18 cm, the pen's width beside.
        const double s = picture.scale();
        QVERIFY(std::abs(drawn.left() - 2 * s) <= 2 * picture.pixel());
        QVERIFY(std::abs(drawn.right() + 1 - 24 * s) <= 2 * picture.pixel());
        QVERIFY(std::abs(drawn.top() - 8 * s) <= 2 * picture.pixel());
        QVERIFY(std::abs(drawn.bottom() + 1 - 18 * s) <= 2 * picture.pixel());
    }

    void redrawWaitsForADistance_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("draws");
        QTest::newRow("placeholder") << QStringLiteral("PQ") << false;
        QTest::newRow("lower case") << QStringLiteral("pq") << true;
        QTest::newRow("leading blank") << QStringLiteral(" PQ") << true;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("a distance") << QStringLiteral("4") << true;
    }

    void redrawWaitsForADistance()
    {
        QFETCH(QString, shown);
        QFETCH(bool, draws);
        LessonWindow w;
        w.Form_Load();
        w.r1 = 3;
        w.r2 = 2;
        w.cboPQ->setEditText(shown);
        QCOMPARE(w.cboPQ->Text(), shown);
        // Something already on the surface, which only a redraw may erase.
        w.surface().setDrawWidth(2);
        w.surface().drawCircle(13, 13, 2, 0x000000FF);
        const QImage before = w.surface().image().copy();
        w.DrawFigure();
        QCOMPARE(w.surface().operationCount() != 1, draws);
        QCOMPARE(w.surface().image() == before, !draws);
        QCOMPARE(w.surface().drawWidth() == 2, !draws);
        QCOMPARE(w.frameHelp->Visible(), draws);
    }

    void radiusChangeRedrawsAroundTheSameCentres()
    {
        LessonWindow w;
        w.Form_Load();
        drawDistanceFigure(w, 3, 2, 4);
        w.ShadeCommonRegion();
        w.lblRelative->setVisible(false);
        // A new radius, and a distance typed but not chosen: the centres stay.
        w.r1 = 5;
        w.cboPQ->setEditText(QStringLiteral("9"));
        w.DrawFigure();
        QCOMPARE(w.xP, 11.0f);
        QCOMPARE(w.xQ, 15.0f);
        QVERIFY(w.frameHelp->Visible());
        QVERIFY(w.lblRelative->Visible());

        const Picture picture(w.surface().image());
        const double px = 1.0 / picture.scale();
        QVERIFY(picture.anyNear(11.0, 8.0, 2 * px, isRed));   // circle P, radius 5
        QVERIFY(!picture.anyNear(11.0, 10.0, 2 * px, isRed)); // radius 3 is gone
        QVERIFY(picture.anyNear(15.0, 11.0, 2 * px, isRed));  // circle Q unchanged
        // The stored length, not the typed one, above the middle.
        QVERIFY(picture.countIn(12.8, 12.65, 13.6, 12.92, isBlue) >= 5);
        // The new common region: Q's disc reaches 17, P's now 16.
        QVERIFY(picture.anyNear(15.5, 13.5, 0.15, isGreen));
        QVERIFY(!picture.anyNear(16.5, 13.5, 0.15, isGreenish));
        QCOMPARE(w.surface().drawWidth(), 3);
        // Letters and centre dots are drawn before the circles; both centres green.
        QVERIFY(picture.countIn(11.0, 13.1, 11.5, 13.6, isRed) >= 5);
        QVERIFY(picture.countIn(15.0, 13.1, 15.5, 13.6, isRed) >= 5);
        QVERIFY(!picture.anyNear(15.0, 13.0, 3 * px, isDarkGreen));
    }

    void overflowOfTheWindowsSumsIsARuntimeError_data()
    {
        QTest::addColumn<int>("r1");
        QTest::addColumn<int>("r2");
        QTest::addColumn<bool>("byDistance"); // drawn for a distance choice, or redrawn
        QTest::newRow("r1 + r2 for a distance") << 32767 << 1 << true;
        QTest::newRow("r1 - r2 for a distance") << -32768 << 1 << true;
        QTest::newRow("|r1 - r2| for a distance") << -32768 << 0 << true;
        QTest::newRow("grid bottom yCentres + r2 on redraw") << 32767 << 32767 << false;
        // r1 + r2 and r1 - r2 fit; the grid's yCentres + r2 does not.
        QTest::newRow("grid bottom yCentres + r2 after a distance") << 5 << 32760 << true;
    }

    void overflowOfTheWindowsSumsIsARuntimeError()
    {
        QFETCH(int, r1);
        QFETCH(int, r2);
        QFETCH(bool, byDistance);
        LessonWindow w;
        w.Form_Load();
        drawDistanceFigure(w, 3, 2, 4);
        w.surface().clear();
        w.r1 = qint16(r1);
        w.r2 = qint16(r2);
        const std::function<void()> draw = [&] {
            if (byDistance) {
                w.DrawDistanceFigure();
                w.ShadeCommonRegion();
            } else {
                w.DrawFigure();
            }
        };
        int number = 0;
        try {
            draw();
        } catch (const platform::RuntimeError &error) {
            number = error.number();
        }
        QCOMPARE(number, platform::kErrorOverflow);

        // Escaping a handler, it reaches the window's report of unhandled errors.
        QStringList reports;
        platform::setUnhandledErrorReporter([&](const QString &message) { reports << message; });
        platform::runHandler(draw);
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports.first().contains(QStringLiteral("'6'")));
    }

    void overflowInTheSumComesBeforeAnyDrawing()
    {
        LessonWindow w;
        w.Form_Load();
        w.r1 = 32767;
        w.r2 = 5;
        w.PQ = 4;
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, w.DrawDistanceFigure());
        QCOMPARE(w.surface().operationCount(), 0);
        // The centres were placed before the sum.
        QCOMPARE(w.xP, 11.0f);
        QCOMPARE(w.xQ, 15.0f);
    }

    void hugeRadiusStillDotsTheSmallerDisc()
    {
        // yCentres - r1 = -32754 fits 16 bits: the grid is some 164 000 points each way, almost
        // all of them outside Q's disc. The whole disc of Q lies inside P's and is dotted.
        LessonWindow w;
        w.Form_Load();
        w.r1 = 32767;
        w.r2 = 2;
        w.xP = 11;
        w.xQ = 15;
        w.yCentres = 13;
        w.surface().clear();
        w.ShadeCommonRegion();
        const int dots = w.surface().operationCount();
        const double disc = M_PI * 2 * 2 / (0.2 * 0.2);
        QVERIFY2(std::abs(dots - disc) < 0.1 * disc, qPrintable(QString::number(dots)));
    }
};

QTEST_MAIN(TestFigure)
#include "tst_figure.moc"
