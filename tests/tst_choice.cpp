// The rule that holds for every pair of radii and every distance the lists offer, as the pupil's
// choice decides it, against the rule decided afresh from where the two circles meet. (The
// stipple that the rules (2) to (4) bring is the renders'.)

#include "lessonmodel.h"

#include "choice/choice.h"

class ChoiceTest : public QObject
{
    Q_OBJECT

private slots:
    void everyChoiceTheListsOffer()
    {
        for (int r1 = 1; r1 <= 5; ++r1)
            for (int r2 = 1; r2 <= 5; ++r2)
                for (int d = 0; d <= 12; ++d)
                    QVERIFY2((Choice{r1, r2, d}.rule()) == ruleFromGeometry(r1, r2, d),
                             qPrintable(QString::asprintf("r1 %d r2 %d PQ %d", r1, r2, d)));
    }
};

QTEST_APPLESS_MAIN(ChoiceTest)
#include "tst_choice.moc"
