// Print: the dialog's answers scripted (cancelled, copies, a printer failing on the way), and
// real prints into PDF files, counted and measured with poppler's tools.

#include "pupil.h"

#include "print/printing.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

class PrintTest : public QObject
{
    Q_OBJECT

private slots:
    void onePagePerCopyUntilAFailure_data()
    {
        QTest::addColumn<std::optional<int>>("copies");
        QTest::addColumn<int>("failingPage");
        QTest::addColumn<int>("printed");
        QTest::newRow("cancelled") << std::optional<int>() << 0 << 0;
        QTest::newRow("one copy") << std::optional(1) << 0 << 1;
        QTest::newRow("three copies") << std::optional(3) << 0 << 3;
        QTest::newRow("no copies") << std::optional(0) << 0 << 0;
        QTest::newRow("failing on the second of three") << std::optional(3) << 2 << 1;
    }
    void onePagePerCopyUntilAFailure()
    {
        QFETCH(std::optional<int>, copies);
        QFETCH(int, failingPage);
        QFETCH(int, printed);
        Pupil pupil;
        pupil.practise({3, 2, 4});
        const QImage before = pupil.window().grab().toImage();
        pupil.answerPrint(copies);
        int pages = 0;
        pupil.window().printing().replacePagePrinter(
            [&](int copy) { return copy != failingPage && ++pages; });
        pupil.click("lblPrint");
        QCOMPARE(pages, printed);
        QCOMPARE(pupil.window().grab().toImage(), before);
    }

    // Through the system's own dialog: cancelled, nothing is printed; confirmed with two
    // copies, two pages of the window at true scale, and the printer is not left to make
    // copies of its own.
    void theSystemsDialogAndTheTrueScalePage_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("cancelled") << false;
        QTest::newRow("two copies") << true;
    }
    void theSystemsDialogAndTheTrueScalePage()
    {
        QFETCH(bool, confirmed);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("lesson.pdf"));
        Pupil pupil;
        pupil.practise({3, 2, 4});
        QPrinter &printer = pupil.window().printing().printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            answer.stop();
            // The dialog's own copies box, as the pupil would set it.
            if (auto *copies = dialog->findChild<QSpinBox *>(QStringLiteral("copies")))
                copies->setValue(2);
            confirmed ? dialog->accept() : dialog->reject();
        });
        answer.start(10);
        pupil.click("lblPrint");
        QCOMPARE(QFile::exists(pdf), confirmed);
        if (!confirmed)
            return;
        QCOMPARE(printer.copyCount(), 1);
        // Two pages, A4 landscape; on paper the outer frame is as wide as on the screen, 14550
        // twips (25.66 cm), and the window is centred.
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"), pdf,
                           folder.filePath(QStringLiteral("page"))});
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("page-*.png")}),
                 QStringList({"page-1.png", "page-2.png"}));
        const QImage page(folder.filePath(QStringLiteral("page-1.png")));
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
