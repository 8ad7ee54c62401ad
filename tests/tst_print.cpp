// Print through the system's dialog into PDF files, when it does not go as planned: cancelled,
// nothing is written; a print that fails says so and spoils nothing after it. (The printed
// pages, at true scale, are the renders'.)

#include "pupil.h"

#include <QTemporaryDir>

class PrintTest : public QObject
{
    Q_OBJECT

private slots:
    void cancelledOrFailed()
    {
        QTemporaryDir paper;
        Pupil pupil;
        pupil.practise({3, 2, 4});
        const QImage before = pupil.look();
        QVERIFY(pupil.print(0, paper.filePath("lesson.pdf")).isEmpty());
        QCOMPARE(pupil.printDialogs(), 1);
        QCOMPARE(pagesIn(paper.filePath("lesson.pdf")), -1);
        QCOMPARE(pupil.look(), before);
        // A device that takes nothing: the pupil is told, once, and the next print works.
        QCOMPARE(
            pupil.print(1, QStringLiteral("/dev/full")),
            QStringList(QStringLiteral("The lesson was not printed: No space left on device.")));
        QVERIFY(pupil.print(2, paper.filePath("lesson.pdf")).isEmpty());
        QCOMPARE(pagesIn(paper.filePath("lesson.pdf")), 2);
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
