// The pupil's choice and what follows from it, apart from any window: the rule that holds for
// every pair of radii and every distance the lists offer, decided here afresh from where the two
// circles meet; the inside-both test at the points where it matters; and the stipple's grid.

#include "choice/choice.h"
#include "figure/figure.h"

#include <QTest>

#include <cmath>
#include <cstdlib>

namespace {

// The rule from the circles' own geometry. With P at 0 and Q at d on a line, a common point
// has x = (d² + r1² - r2²) / 2d and y² = r1² - x²; times 4d² that is the whole number below, so
// its sign says whether they meet in two points, touch in one, or do not meet.
int ruleFromGeometry(int r1, int r2, int d)
{
    if (d == 0)
        return r1 == r2 ? 2 : 4; // the same circle counts as touching internally
    const long long across = d * d + r1 * r1 - r2 * r2;
    const long long height = 4LL * d * d * r1 * r1 - across * across;
    if (height > 0)
        return 3;
    if (height == 0)
        return d == r1 + r2 ? 1 : 2;
    return d > r1 + r2 ? 5 : 4;
}

Choice choice(int r1, int r2, int d)
{
    return {r1, r2, d};
}

} // namespace

class ChoiceTest : public QObject
{
    Q_OBJECT

private slots:
    void everyChoiceTheListsOfferGetsTheRuleThatHolds()
    {
        int seen[6] = {};
        for (int r1 = 1; r1 <= 5; ++r1)
            for (int r2 = 1; r2 <= 5; ++r2)
                for (int d = 0; d <= 12; ++d) {
                    const int rule = choice(r1, r2, d).rule();
                    QVERIFY2(rule == ruleFromGeometry(r1, r2, d),
                             qPrintable(QStringLiteral("r1 %1 r2 %2 PQ %3: rule %4")
                                            .arg(r1)
                                            .arg(r2)
                                            .arg(d)
                                            .arg(rule)));
                    ++seen[rule];
                }
        for (int rule = 1; rule <= 5; ++rule)
            QVERIFY(seen[rule] > 0);
    }

    void insideBothDiscs_data()
    {
        QTest::addColumn<int>("r1");
        QTest::addColumn<int>("r2");
        QTest::addColumn<int>("distance");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<bool>("inside");
        QTest::newRow("in the lens") << 3 << 2 << 4 << 13.5f << 13.0f << true;
        QTest::newRow("in P's disc only") << 3 << 2 << 4 << 11.0f << 13.0f << false;
        QTest::newRow("the point where they touch") << 3 << 2 << 5 << 13.5f << 13.0f << false;
        QTest::newRow("on the smaller circle, inside") << 4 << 1 << 2 << 15.0f << 13.0f << false;
        QTest::newRow("the smaller disc's centre") << 4 << 1 << 2 << 14.0f << 13.0f << true;
        QTest::newRow("coinciding discs") << 2 << 2 << 0 << 13.0f << 14.9f << true;
    }
    void insideBothDiscs()
    {
        QFETCH(int, r1);
        QFETCH(int, r2);
        QFETCH(int, distance);
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(bool, inside);
        QCOMPARE(::insideBothDiscs(choice(r1, r2, distance), x, y), inside);
    }

    // The stipple dots the region inside both discs, 2 mm apart, and nothing else: for every
    // choice, every dot lies inside both circles, every grid point well inside both is dotted,
    // and circles that only touch or lie apart get no dot.
    void theStippleCoversTheCommonRegionForEveryChoice()
    {
        for (int r1 = 1; r1 <= 5; ++r1)
            for (int r2 = 1; r2 <= 5; ++r2)
                for (int d = 0; d <= 12; ++d) {
                    const Choice c = choice(r1, r2, d);
                    int dots = 0;
                    bool outside = false;
                    forEachStipplePoint(c, [&](float x, float y) {
                        ++dots;
                        outside |= std::hypot(x - c.xP(), y - 13.0) >= r1 ||
                                   std::hypot(x - c.xQ(), y - 13.0) >= r2;
                    });
                    const QString which =
                        QStringLiteral("r1 %1 r2 %2 PQ %3").arg(r1).arg(r2).arg(d);
                    QVERIFY2(!outside, qPrintable(which));
                    const int rule = c.rule();
                    QVERIFY2((dots > 0) == (rule == 2 || rule == 3 || rule == 4),
                             qPrintable(which));
                    // The grid's points well inside both discs, counted independently.
                    int wellInside = 0;
                    for (int i = 0; i <= 5 * (r1 + r2 + d); ++i)
                        for (int j = 0; j <= 5 * (r1 + r2); ++j) {
                            const double x = c.xP() - r1 + 0.2 * i;
                            const double y = 13 - r1 + 0.2 * j;
                            if (std::hypot(x - c.xP(), y - 13) < r1 - 0.01 &&
                                std::hypot(x - c.xQ(), y - 13) < r2 - 0.01)
                                ++wellInside;
                        }
                    QVERIFY2(dots >= wellInside, qPrintable(which));
                }
    }
};

QTEST_APPLESS_MAIN(ChoiceTest)
#include "tst_choice.moc"
