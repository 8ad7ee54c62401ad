// The program against the lesson model. First the rule for every pair of radii and every
// distance the lists offer, against the rule decided afresh from where the circles meet. Then
// random whole lessons: a seeded pupil clicks the text buttons, prints, picks and types in the
// open lists and presses keys in them; after every action the model says what the window must
// show. SOAK_SEEDS ("1,2,5" or "1-8") and SOAK_ACTIONS choose a long run (make soak); by default
// three seeds of 600 actions run with the suite. Last the fuzz target over the inputs kept for it.

#include "lessonmodel.h"

#include "choice/choice.h"

#include <QDir>
#include <QRandomGenerator>

// The fuzz target: a disagreement with the model aborts, as libFuzzer needs.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void everyChoiceTheListsOffer()
    {
        for (int r1 = 1; r1 <= 5; ++r1)
            for (int r2 = 1; r2 <= 5; ++r2)
                for (int d = 0; d <= 12; ++d)
                    QVERIFY2((Choice{r1, r2, d}.rule() == ruleFromGeometry(r1, r2, d)),
                             qPrintable(QString::asprintf("r1 %d r2 %d PQ %d", r1, r2, d)));
    }

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

    void theFuzzCorpus_data()
    {
        QTest::addColumn<QString>("input");
        const QFileInfoList inputs = QDir(QStringLiteral(CORPUS)).entryInfoList(QDir::Files);
        QVERIFY(!inputs.isEmpty());
        for (const QFileInfo &input : inputs)
            QTest::newRow(qPrintable(input.fileName())) << input.filePath();
    }
    void theFuzzCorpus()
    {
        QFETCH(QString, input);
        QFile file(input);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                               std::size_t(bytes.size()));
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
