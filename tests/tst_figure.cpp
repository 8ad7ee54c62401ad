// The figure as the pupil sees it on the window's surface, for choices that between them cover
// every rule, an odd distance, a distance of 0 and the largest figure.

#include "pupil.h"

#include "figure/figure.h"
#include "platform/design.h"

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

// The first row from the top (with `columns`, the first column from the left) holding the
// colour inside a box given in centimetres, in centimetres; -1 if none.
double firstWith(const QImage &image, QRectF cm, const QColor &colour, bool columns = false)
{
    const double perCm = design::centimetresToPixels(1) * image.devicePixelRatio();
    const QRect box(QPoint(int(cm.left() * perCm), int(cm.top() * perCm)),
                    QPoint(int(cm.right() * perCm), int(cm.bottom() * perCm)));
    for (int outer = 0; outer < (columns ? box.width() : box.height()); ++outer)
        for (int inner = 0; inner < (columns ? box.height() : box.width()); ++inner) {
            const QPoint p =
                box.topLeft() + (columns ? QPoint(outer, inner) : QPoint(inner, outer));
            if (image.valid(p) && near(image.pixelColor(p), colour))
                return (columns ? p.x() : p.y()) / perCm;
        }
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
        pupil.practise({r1, r2, distance});
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
        const double lengthLeft = firstWith(image, QRectF(11.5, 12.7, 2, 0.2), seen::blue, true);
        QVERIFY2(lengthLeft > 12.8 && lengthLeft < 13.05, qPrintable(QString::number(lengthLeft)));
        const double letterTop = firstWith(image, QRectF(xP + 0.02, 13.05, 0.3, 0.6), seen::red);
        QVERIFY2(letterTop > 13.05 && letterTop < 13.2, qPrintable(QString::number(letterTop)));
        QVERIFY(drawnNear(image, xP, y, seen::green, 0));

        // The stipple: a green dot at each of its points (which the choice's test places) away
        // from the segment and the letters on the centre line.
        int undrawn = 0;
        forEachStipplePoint(c, [&](float x, float yy) {
            undrawn += std::abs(yy - y) > 0.7 && !drawnNear(image, x, yy, seen::green, 1);
        });
        QCOMPARE(undrawn, 0);
    }

    // A radius changed after the distance is drawn round the same centre; the lens grows with it.
    void aRadiusChangedLater()
    {
        Pupil pupil;
        pupil.practise({3, 2, 4});
        QVERIFY(drawnNear(pupil.surface(), 15, 13, QColor(0, 128, 0), 0)); // Q's dark green dot
        pupil.pick("cboR2", 4);
        const QImage image = pupil.surface();
        QVERIFY(drawnNear(image, 15 + 4, 13, seen::red));
        QVERIFY(!drawnNear(image, 15 + 2, 13 - 0.6, seen::red, 1));
        QVERIFY(drawnNear(image, 11 - 3, 13, seen::red));
        QVERIFY(drawnNear(image, 13, 13.8, seen::green, 1)); // the bigger lens
    }
};

QTEST_MAIN(FigureTest)
#include "tst_figure.moc"
