// The figure as the pupil sees it on the window's surface, for a few choices that between them
// cover every rule, an odd distance, a distance of 0 and the largest figure: red circles of the
// chosen radii round the right centres, the blue segment and its length, the centres' dots and
// letters, and the green stipple only where the discs overlap.

#include "pupil.h"

#include "choice/choice.h"
#include "platform/design.h"

#include <QTest>

#include <cmath>

namespace {

bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) < 60 && std::abs(a.green() - b.green()) < 60 &&
           std::abs(a.blue() - b.blue()) < 60 && a.alpha() > 100;
}

// Whether a colour is drawn within a pixel (or two) of the point, given in centimetres.
bool drawnNear(const QImage &image, double xCm, double yCm, const QColor &colour, int reach = 2)
{
    const double ratio = image.devicePixelRatio();
    const int x = int(std::lround(design::centimetresToPixels(xCm) * ratio));
    const int y = int(std::lround(design::centimetresToPixels(yCm) * ratio));
    const int r = int(std::ceil(reach * ratio));
    for (int dx = -r; dx <= r; ++dx)
        for (int dy = -r; dy <= r; ++dy)
            if (image.valid(x + dx, y + dy) && near(image.pixelColor(x + dx, y + dy), colour))
                return true;
    return false;
}

// The topmost row (in cm) with the colour inside a box given in centimetres, or -1.
double topOf(const QImage &image, QRectF boxCm, const QColor &colour)
{
    const double ratio = image.devicePixelRatio();
    const double perCm = design::centimetresToPixels(1) * ratio;
    for (int y = int(boxCm.top() * perCm); y <= int(boxCm.bottom() * perCm); ++y)
        for (int x = int(boxCm.left() * perCm); x <= int(boxCm.right() * perCm); ++x)
            if (image.valid(x, y) && near(image.pixelColor(x, y), colour))
                return y / perCm;
    return -1;
}

// The leftmost column (in cm) with the colour inside a box given in centimetres, or -1.
double leftOf(const QImage &image, QRectF boxCm, const QColor &colour)
{
    const double perCm = design::centimetresToPixels(1) * image.devicePixelRatio();
    for (int x = int(boxCm.left() * perCm); x <= int(boxCm.right() * perCm); ++x)
        for (int y = int(boxCm.top() * perCm); y <= int(boxCm.bottom() * perCm); ++y)
            if (image.valid(x, y) && near(image.pixelColor(x, y), colour))
                return x / perCm;
    return -1;
}

} // namespace

class FigureTest : public QObject
{
    Q_OBJECT

private slots:
    void theFigureOfAChoice_data()
    {
        QTest::addColumn<int>("r1");
        QTest::addColumn<int>("r2");
        QTest::addColumn<int>("distance");
        QTest::newRow("(3) cutting") << 3 << 2 << 4;
        QTest::newRow("(1) touching outside") << 2 << 3 << 5;
        QTest::newRow("(2) touching inside, odd distance") << 4 << 1 << 3;
        QTest::newRow("(4) one inside the other") << 5 << 2 << 1;
        QTest::newRow("(5) apart, odd distance") << 2 << 3 << 7;
        QTest::newRow("(2) coinciding, distance 0") << 3 << 3 << 0;
        QTest::newRow("(5) the largest figure") << 5 << 5 << 12;
    }
    void theFigureOfAChoice()
    {
        QFETCH(int, r1);
        QFETCH(int, r2);
        QFETCH(int, distance);
        Pupil pupil;
        pupil.next();
        pupil.choose(r1, r2, distance);
        const Choice c{r1, r2, distance};
        const QImage image = pupil.surface();
        const double xP = c.xP(), xQ = c.xQ(), y = 13;

        for (const auto &[x, r] : {std::pair{xP, r1}, std::pair{xQ, r2}}) {
            for (const auto &[dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                QVERIFY2(
                    drawnNear(image, x + dx * r, y + dy * r, seen::red),
                    qPrintable(QStringLiteral("circle at %1, %2").arg(x + dx * r).arg(y + dy * r)));
            // Nothing red just inside or outside the circle's left and right.
            QVERIFY(!drawnNear(image, x - r - 0.15, y - 0.5, seen::red, 1));
        }
        // The segment, the length above its middle, the letters 1 mm below their centres.
        if (distance > 0)
            QVERIFY(drawnNear(image, xP + 0.1, y, seen::blue, 1));
        const double lengthLeft = leftOf(image, QRectF(11.5, 12.7, 2, 0.2), seen::blue);
        QVERIFY2(lengthLeft > 12.8 && lengthLeft < 13.05, qPrintable(QString::number(lengthLeft)));
        const double letterTop = topOf(image, QRectF(xP + 0.02, 13.05, 0.3, 0.6), seen::red);
        QVERIFY2(letterTop > 13.05 && letterTop < 13.2, qPrintable(QString::number(letterTop)));
        QVERIFY(drawnNear(image, xP, y, seen::green, 0));

        // The stipple: green exactly at the grid points inside both discs.
        int dots = 0, misplaced = 0;
        for (double x = 1; x < 25; x += 0.1)
            for (double yy = 7; yy < 19; yy += 0.1) {
                const bool inBoth = std::hypot(x - xP, yy - y) < r1 - 0.15 &&
                                    std::hypot(x - xQ, yy - y) < r2 - 0.15;
                const bool outside = std::hypot(x - xP, yy - y) > r1 + 0.15 ||
                                     std::hypot(x - xQ, yy - y) > r2 + 0.15;
                const bool green = drawnNear(image, x, yy, seen::green, 1);
                dots += inBoth && green;
                misplaced += outside && green && std::hypot(x - xP, yy - y) > 0.2 &&
                             std::hypot(x - xQ, yy - y) > 0.2;
            }
        const int rule = c.rule();
        QCOMPARE(dots > 0, rule == 2 || rule == 3 || rule == 4);
        QCOMPARE(misplaced, 0);
    }

    void theCentresKeepTheirPlaceWhenARadiusChanges()
    {
        Pupil pupil;
        pupil.next();
        pupil.choose(3, 2, 4);
        QVERIFY(drawnNear(pupil.surface(), 15, 13, QColor(0, 128, 0), 0)); // Q's dark green dot
        pupil.pick("cboR2", 4);
        const QImage image = pupil.surface();
        QVERIFY(drawnNear(image, 15 + 4, 13, seen::red));
        QVERIFY(!drawnNear(image, 15 + 2, 13 - 0.6, seen::red, 1));
        QVERIFY(drawnNear(image, 11 - 3, 13, seen::red));
        QVERIFY(drawnNear(image, 13, 13.8, seen::green, 1)); // the bigger lens
    }

    void nothingIsDrawnBeforeADistance()
    {
        Pupil pupil;
        pupil.next();
        pupil.pick("cboR1", 3);
        pupil.pick("cboR2", 2);
        pupil.pick("cboR1", 4);
        const QImage image = pupil.surface();
        QImage blank = image;
        blank.fill(Qt::transparent);
        QCOMPARE(image, blank);
    }
};

QTEST_MAIN(FigureTest)
#include "tst_figure.moc"
