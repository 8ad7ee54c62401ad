// Random whole lessons: a seeded pupil clicks the text buttons, prints, picks and types in the
// open lists and presses keys in them; after every action the lesson model says what the window
// must show. SOAK_SEEDS ("1,2,5" or "1-8") and SOAK_ACTIONS choose a long run (make soak); by
// default three seeds of 600 actions run with the suite.

#include "lessonmodel.h"

#include <QRandomGenerator>

namespace {

const QStringList kTexts = QStringLiteral("0|3|5|7|12| 4 |+2|05|-0|13|6|-1|-3|99999|"
                                          "123456789012345678901|2.5|1e1|abc|PQ| r1|r2|pq|"
                                          "x5|5x| |   |")
                               .split(QLatin1Char('|'));

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void randomLessons_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("count");
        const int count = qEnvironmentVariableIntValue("SOAK_ACTIONS");
        for (const QString &part : qEnvironmentVariable("SOAK_SEEDS", "1-3").split(',')) {
            const QStringList range = part.split('-');
            for (quint32 seed = range.first().toUInt(); seed <= range.last().toUInt(); ++seed)
                QTest::addRow("seed %u", seed) << seed << (count > 0 ? count : 600);
        }
    }
    // A failure names the seed and the last actions before it.
    void randomLessons()
    {
        QFETCH(quint32, seed);
        QFETCH(int, count);
        QRandomGenerator random(seed);
        Pupil pupil;
        LessonModel model;
        QStringList log;
        for (int i = 0; i < count; ++i) {
            const int number = int(random.bounded(1024));
            const PupilAction action{"CPPTTKKK"[random.bounded(8)], int(random.bounded(64)), number,
                                     kTexts[number % kTexts.size()]};
            log << QStringLiteral("%1: %2").arg(i).arg(model.perform(pupil, action));
            if (const QString wrong = model.disagreement(pupil); !wrong.isEmpty())
                QFAIL(qPrintable(QStringLiteral("SOAK_SEEDS=%1 SOAK_ACTIONS=%2:\n  %3\n-> %4")
                                     .arg(seed)
                                     .arg(count)
                                     .arg(log.mid(i - 19).join(QStringLiteral("\n  ")), wrong)));
        }
        pupil.click("home"); // the lesson ends as a pupil ends it
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
