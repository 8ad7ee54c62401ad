// Print through the system's dialog into PDF files: cancelled, nothing is written; a print that
// fails says so and spoils nothing after it. (The printed pages, at true scale, are the
// renders'.)

#include "pupil.h"

#include <QFile>
#include <QTemporaryDir>

class PrintTest : public QObject
{
    Q_OBJECT

private slots:
    void cancelledNothingIsPrinted()
    {
        QTemporaryDir paper;
        Pupil pupil;
        pupil.practise({3, 2, 4});
        const QImage before = pupil.look();
        QVERIFY(pupil.print(0, paper.filePath("lesson.pdf")).isEmpty());
        QVERIFY(!QFile::exists(paper.filePath("lesson.pdf")));
        QCOMPARE(pupil.printDialogs(), 1);
        QCOMPARE(pupil.look(), before);
    }

    // A device that takes nothing: the pupil is told, once, and the next print works.
    void aFailedPrintSaysSoAndTheNextWorks()
    {
        QTemporaryDir paper;
        Pupil pupil;
        pupil.practise({3, 2, 4});
        const QStringList said = pupil.print(1, QStringLiteral("/dev/full"));
        QCOMPARE(said, QStringList(
                           QStringLiteral("The lesson was not printed: No space left on device.")));
        QVERIFY(pupil.print(2, paper.filePath("lesson.pdf")).isEmpty());
        QCOMPARE(pagesIn(paper.filePath("lesson.pdf")), 2);
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
