// The pupil's choice apart from any window, for every pair of radii and every distance the lists
// offer: the rule that holds, decided afresh from where the two circles meet, and the stipple,
// which dots the region inside both discs 2 mm apart and nothing else.

#include "lessonmodel.h"

#include "figure/figure.h"

#include <cmath>

class ChoiceTest : public QObject
{
    Q_OBJECT

private slots:
    // Every dot lies inside both circles, every grid point well inside both is dotted, and
    // circles that only touch or lie apart get no dot.
    void everyChoiceTheListsOffer()
    {
        for (int r1 = 1; r1 <= 5; ++r1)
            for (int r2 = 1; r2 <= 5; ++r2)
                for (int d = 0; d <= 12; ++d) {
                    const Choice c{r1, r2, d};
                    const QString which =
                        QString::asprintf("r1 %d r2 %d PQ %d: rule %d", r1, r2, d, c.rule());
                    QVERIFY2(c.rule() == ruleFromGeometry(r1, r2, d), qPrintable(which));
                    int dots = 0, outside = 0, wellInside = 0;
                    forEachStipplePoint(c, [&](float x, float y) {
                        ++dots;
                        outside += std::hypot(x - c.xP(), y - 13.0) >= r1 ||
                                   std::hypot(x - c.xQ(), y - 13.0) >= r2;
                    });
                    for (int i = 0; i <= 5 * (r1 + r2 + d); ++i)
                        for (int j = 0; j <= 5 * (r1 + r2); ++j) {
                            const double x = c.xP() - r1 + 0.2 * i, y = 13 - r1 + 0.2 * j;
                            wellInside += std::hypot(x - c.xP(), y - 13) < r1 - 0.01 &&
                                          std::hypot(x - c.xQ(), y - 13) < r2 - 0.01;
                        }
                    QVERIFY2(outside == 0 && dots >= wellInside, qPrintable(which));
                    QVERIFY2((dots > 0) == (c.rule() >= 2 && c.rule() <= 4), qPrintable(which));
                }
    }
};

QTEST_APPLESS_MAIN(ChoiceTest)
#include "tst_choice.moc"
