// Print through the system's dialog into PDF files: cancelled, nothing is written; a print that
// fails says so and spoils nothing after it; a page holds the window at true scale, centred.
// (How each printed page looks is the renders'.)

#include "pupil.h"

#include <QFile>
#include <QProcess>
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

    // On A4 landscape the outer frame is as wide on paper as on the screen, 14550 twips
    // (25.66 cm), and the window is centred.
    void trueScale()
    {
        QTemporaryDir paper;
        Pupil pupil;
        pupil.practise({3, 2, 4});
        pupil.print(1, paper.filePath("lesson.pdf"));
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {"-r", "72", "-png", "-singlefile", paper.filePath("lesson.pdf"),
                           paper.filePath("page")});
        const QImage page(paper.filePath(QStringLiteral("page.png")));
        QCOMPARE(page.size(), QSize(842, 595));
        int left = -1, right = -1;
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, page.height() / 2);
            if (c.red() < 120 && c.green() > 60 && c.green() < 150 && c.blue() < 60)
                (left < 0 ? left : right) = x;
        }
        const double widthCm = (right - left + 1) / 72.0 * 2.54;
        QVERIFY2(qAbs(widthCm - 25.66) < 0.15, qPrintable(QString::number(widthCm)));
        QVERIFY2(qAbs(left - (page.width() - 1 - right)) < 4, qPrintable(QString::number(left)));
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
