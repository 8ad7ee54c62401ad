// Print: the dialog's answers scripted (cancelled, copies, a printer failing on the way), and
// real prints into PDF files, counted and measured with poppler's tools.

#include "pupil.h"

#include "platform/truescale.h"
#include "print/printing.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QSpinBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QString pdfInfo(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    return QString::fromUtf8(info.readAllStandardOutput());
}

} // namespace

class PrintTest : public QObject
{
    Q_OBJECT

private slots:
    void onePagePerCopyUntilAFailure_data()
    {
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("failingPage");
        QTest::addColumn<int>("printed");
        QTest::newRow("cancelled") << -1 << 0 << 0;
        QTest::newRow("one copy") << 1 << 0 << 1;
        QTest::newRow("three copies") << 3 << 0 << 3;
        QTest::newRow("no copies") << 0 << 0 << 0;
        QTest::newRow("failing on the second of three") << 3 << 2 << 1;
    }
    void onePagePerCopyUntilAFailure()
    {
        QFETCH(int, copies);
        QFETCH(int, failingPage);
        QFETCH(int, printed);
        Pupil pupil;
        pupil.next();
        pupil.choose(3, 2, 4);
        const QImage before = pupil.window().grab().toImage();
        Printing &printing = pupil.window().printing();
        printing.replaceDialog([copies](QPrinter &) -> std::optional<int> {
            if (copies < 0)
                return std::nullopt;
            return copies;
        });
        int pages = 0;
        printing.replacePagePrinter([&](int copy) {
            if (copy == failingPage)
                return false;
            ++pages;
            return true;
        });
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
        pupil.next();
        pupil.choose(3, 2, 4);
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
        const QString info = pdfInfo(pdf);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +2\\n"))),
                 qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("842 x 595")), qPrintable(info)); // A4 landscape

        // On paper the outer frame is as wide as on the screen: 14550 twips, 25.66 cm.
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                           QStringLiteral("-singlefile"), pdf,
                           folder.filePath(QStringLiteral("page"))});
        const QImage page(folder.filePath(QStringLiteral("page.png")));
        QVERIFY(!page.isNull());
        int left = -1, right = -1;
        const int row = page.height() / 2;
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, row);
            if (c.red() < 120 && c.green() > 60 && c.green() < 150 && c.blue() < 60) {
                right = x;
                if (left < 0)
                    left = x;
            }
        }
        const double widthCm = (right - left + 1) / 72.0 * 2.54;
        QVERIFY2(qAbs(widthCm - 25.66) < 0.15, qPrintable(QString::number(widthCm)));

        // The window lands at true scale, centred: 26.931 cm wide on the page.
        const QRectF placed = placeOnPage(QSizeF(269.31, 194.71), QRectF(0, 0, 287, 200));
        QCOMPARE(placed.width(), 269.31);
        QCOMPARE(placed.center(), QPointF(143.5, 100));
        const QRectF shrunk = placeOnPage(QSizeF(269.31, 194.71), QRectF(0, 0, 200, 287));
        QCOMPARE(shrunk.width(), 200.0);
        QVERIFY(qAbs(shrunk.height() / shrunk.width() - 194.71 / 269.31) < 1e-9);
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
