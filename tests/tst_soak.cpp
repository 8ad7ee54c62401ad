// Random whole lessons: a seeded pupil clicks the text buttons, prints, picks and types in the
// open lists and presses keys in them; after every action the lesson model says what the window
// must show. SOAK_SEEDS ("1,2,5" or "1-8") and SOAK_ACTIONS choose a long run (make soak); by
// default three seeds of 600 actions run with the suite.

#include "lessonmodel.h"

#include <QRandomGenerator>

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void randomLessons_data()
    {
        QTest::addColumn<quint32>("seed");
        for (const QString &part : qEnvironmentVariable("SOAK_SEEDS", "1-3").split(',')) {
            const QStringList range = part.split('-');
            for (quint32 seed = range.first().toUInt(); seed <= range.last().toUInt(); ++seed)
                QTest::addRow("seed %u", seed) << seed;
        }
    }
    // A failure names the seed and the last actions before it.
    void randomLessons()
    {
        QFETCH(quint32, seed);
        const int count = qEnvironmentVariableIntValue("SOAK_ACTIONS");
        QRandomGenerator random(seed);
        Pupil pupil;
        const QString wrong = LessonModel().play(pupil, count > 0 ? count : 600,
                                                 [&random] { return int(random.bounded(256)); });
        QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("SOAK_SEEDS=%1 SOAK_ACTIONS=%2:\n  %3")
                                                 .arg(seed)
                                                 .arg(count)
                                                 .arg(wrong)));
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
