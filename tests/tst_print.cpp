// Print: the printer dialog's answers and the printer's failures scripted through the dialog's
// seam, the system's printer dialog, the placement of the window on a page, and real prints to
// PDF files that are counted and measured.

#include "platform/commondialog.h"
#include "platform/runtimeerror.h"
#include "platform/twips.h"
#include "window/lessonwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

namespace {

// The dialog's answer in the scripted rows: cancelled.
constexpr int kCancelled = -1000000;

// Clicks "Print" as the pupil does, through the window's event path.
void clickPrint(LessonWindow &w)
{
    w.lblPrint->setVisible(true);
    QTest::mouseClick(w.lblPrint, Qt::LeftButton);
}

// The standard output of a poppler tool, empty if it failed.
QString run(const char *name, const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStandardPaths::findExecutable(QString::fromLatin1(name)), arguments);
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

// The bounding box of the pixels within a region that match a test.
template <typename Match> QRect extentOf(const QImage &image, QRect region, Match &&match)
{
    QRect box;
    region &= image.rect();
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (match(image.pixelColor(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

bool isRed(const QColor &c)
{
    return c.red() > 180 && c.green() < 110 && c.blue() < 110;
}

bool isInk(const QColor &c)
{
    return c.lightness() < 140;
}

} // namespace

class TestPrint : public QObject
{
    Q_OBJECT

    QStringList m_reports;

private slots:
    void init()
    {
        m_reports.clear();
        platform::setUnhandledErrorReporter(
            [this](const QString &message) { m_reports << message; });
    }

    void onePagePerCopyUntilAnError_data()
    {
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("failOn"); // the page the printer fails on; 0: none
        QTest::addColumn<int>("pages");
        QTest::newRow("cancelled: nothing printed") << kCancelled << 0 << 0;
        QTest::newRow("three copies: three pages") << 3 << 0 << 3;
        QTest::newRow("no copies: nothing printed") << 0 << 0 << 0;
        QTest::newRow("negative copies: nothing printed") << -2 << 0 << 0;
        QTest::newRow("failure on the second of three: one page kept") << 3 << 2 << 1;
        QTest::newRow("failure on the first page") << 2 << 1 << 0;
        QTest::newRow("largest 16-bit count, every page printed") << 32767 << 0 << 32767;
        QTest::newRow("one beyond 16 bits: nothing printed") << 32768 << 0 << 0;
        QTest::newRow("copies beyond 16 bits: nothing printed") << 40000 << 0 << 0;
        QTest::newRow("far below 16 bits") << -40000 << 0 << 0;
    }

    void onePagePerCopyUntilAnError()
    {
        QFETCH(int, copies);
        QFETCH(int, failOn);
        QFETCH(int, pages);
        LessonWindow w;
        w.Form_Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form));
        int printed = 0;
        int jobsEnded = 0;
        platform::CommonDialog::System &system = w.CommonDialog1->system();
        system.showDialog = [copies]() -> std::optional<int> {
            return copies == kCancelled ? std::nullopt : std::optional<int>(copies);
        };
        system.printPage = [&printed, failOn] {
            if (printed + 1 == failOn)
                throw platform::RuntimeError(platform::kErrorPrinter,
                                             QStringLiteral("Printer error"));
            ++printed;
        };
        system.endJob = [&jobsEnded] {
            ++jobsEnded;
            return true;
        };
        w.lblPrint->setVisible(true);
        w.Timer1->setEnabled(false); // Next's blinking would change the picture by itself
        const QImage before = w.form->grab().toImage();

        clickPrint(w);
        QCOMPARE(printed, pages);
        // The job is closed in every case, so the pages already printed go out.
        QCOMPARE(jobsEnded, 1);
        // No message, no dialog left open, and no state of the window changed.
        QCOMPARE(m_reports, QStringList());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY(window == w.form || !window->isVisible());
        QCOMPARE(w.form->grab().toImage(), before);
    }

    void theSystemsPrinterDialogAsksForTheCopies_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("cancelError");
        QTest::newRow("confirmed with three copies") << true << true;
        QTest::newRow("cancelled, CancelError on: error 32755") << false << true;
        QTest::newRow("cancelled, CancelError off: returns normally") << false << false;
    }

    void theSystemsPrinterDialogAsksForTheCopies()
    {
        QFETCH(bool, confirm);
        QFETCH(bool, cancelError);
        LessonWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form));
        platform::CommonDialog &dialog = *w.CommonDialog1;
        dialog.printer().setCopyCount(3);
        dialog.setCancelError(cancelError);

        // The pupil's answer, given once the dialog is up.
        bool offersPdf = false;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
            auto *printDialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            QVERIFY(printDialog); // the system's own dialog
            // On Linux the dialog also offers printing to a PDF file.
            for (QComboBox *list : printDialog->findChildren<QComboBox *>())
                for (int i = 0; i < list->count(); ++i)
                    offersPdf = offersPdf || list->itemText(i).contains(QLatin1String("PDF"));
            confirm ? printDialog->accept() : printDialog->reject();
        });
        std::optional<int> raised;
        QString message;
        try {
            dialog.ShowPrinter();
        } catch (const platform::RuntimeError &error) {
            raised = error.number();
            message = QString::fromStdString(error.what());
        }
        QVERIFY(offersPdf);
        if (confirm) {
            QCOMPARE(raised, std::nullopt);
            QCOMPARE(dialog.Copies(), 3);
            // Each copy is a page of its own; the printer makes no further copies of them.
            QCOMPARE(dialog.printer().copyCount(), 1);
        } else {
            QCOMPARE(raised,
                     cancelError ? std::optional<int>(platform::kErrorCancel) : std::nullopt);
            QCOMPARE(message, cancelError ? QStringLiteral("Cancel was selected.") : QString());
            // A cancelled dialog reports no new number of copies.
            QCOMPARE(dialog.Copies(), 1);
        }
    }

    void placeOnPage_data()
    {
        QTest::addColumn<QSizeF>("window");
        QTest::addColumn<QRectF>("printable");
        QTest::addColumn<QRectF>("placed");
        QTest::newRow("fits: true scale, centred")
            << QSizeF(100, 50) << QRectF(10, 20, 200, 100) << QRectF(60, 45, 100, 50);
        QTest::newRow("too wide: scaled to the width")
            << QSizeF(400, 100) << QRectF(0, 0, 200, 300) << QRectF(0, 125, 200, 50);
        QTest::newRow("too high: scaled to the height")
            << QSizeF(100, 400) << QRectF(0, 0, 300, 200) << QRectF(125, 0, 50, 200);
        QTest::newRow("too wide and too high: the tighter side wins")
            << QSizeF(400, 300) << QRectF(0, 0, 200, 200) << QRectF(0, 25, 200, 150);
        QTest::newRow("no printable area")
            << QSizeF(100, 50) << QRectF(5, 5, 0, 0) << QRectF(5, 5, 0, 0);
    }

    void placeOnPage()
    {
        QFETCH(QSizeF, window);
        QFETCH(QRectF, printable);
        QFETCH(QRectF, placed);
        const QRectF actual = platform::placeOnPage(window, printable);
        QCOMPARE(actual.topLeft(), placed.topLeft());
        QCOMPARE(actual.size(), placed.size());
    }

    void aPrinterThatCannotStartPrintsNothingQuietly()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("missing/page.pdf"));
        LessonWindow w;
        w.Form_Load();
        platform::CommonDialog &dialog = *w.CommonDialog1;
        dialog.system().showDialog = [&dialog, &pdf]() -> std::optional<int> {
            dialog.printer().setOutputFormat(QPrinter::PdfFormat);
            dialog.printer().setOutputFileName(pdf);
            return 2;
        };
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        clickPrint(w);
        QCOMPARE(m_reports, QStringList());
        QVERIFY(!QFile::exists(pdf));

        // The error reached the click: the page itself raises it.
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, dialog.PrintForm());
    }

    void printsTheWindowToAPdfAtTrueScale_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<double>("scale"); // centimetres on paper per centimetre of the window
        // A4 less 5 mm margins: 28.7 x 20.0 cm hold the client area's 26.93 x 19.47 cm.
        QTest::newRow("landscape A4: true scale") << int(QPageLayout::Landscape) << 1.0;
        // Portrait: 20.0 cm of printable width for 26.93 cm of window.
        QTest::newRow("portrait A4: scaled to the width")
            << int(QPageLayout::Portrait) << 200.0 / platform::twipsToCentimetres(15270) / 10.0;
    }

    void printsTheWindowToAPdfAtTrueScale()
    {
        QFETCH(int, orientation);
        QFETCH(double, scale);
        for (const char *tool : {"pdfinfo", "pdftoppm", "pdffonts"})
            QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                     "poppler-utils are needed: scripts/install-deps.sh installs them");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("lesson.pdf"));

        LessonWindow w;
        w.Form_Load();
        w.surface().drawCircle(13, 13, 5, 0x000000FF);
        w.surface().setFontSize(14);
        w.surface().setFontBold(true);
        w.surface().setCurrentX(1.5);
        w.surface().setCurrentY(17.2);
        w.surface().print(QStringLiteral("PQ = 12"));
        w.Timer1->setEnabled(false); // Next's blinking would change the picture by itself
        w.lblPrint->setVisible(true);
        w.lblPrint_MouseMove(); // red, as the pupil's mouse left it
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form));
        const QImage screen = w.form->grab().toImage();

        platform::CommonDialog &dialog = *w.CommonDialog1;
        dialog.system().showDialog = [&]() -> std::optional<int> {
            QPrinter &printer = dialog.printer();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(QPageLayout::Orientation(orientation));
            return 2;
        };
        clickPrint(w);
        QCOMPARE(m_reports, QStringList());
        const QRegularExpressionMatch pages =
            QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"),
                               QRegularExpression::MultilineOption)
                .match(run("pdfinfo", {pdf}));
        QCOMPARE(pages.captured(1), QStringLiteral("2"));
        // Texts stay texts with their fonts, not a bitmap of the window: sharp at any size.
        // (pdffonts prints a header of two lines, then one line per font.)
        QVERIFY(run("pdffonts", {pdf}).count(QLatin1Char('\n')) > 2);
        // Nothing on the window changed for the print.
        QCOMPARE(w.form->grab().toImage(), screen);

        // On a page rendered at the window's own pixel density, one window pixel becomes
        // `scale` page pixels, and the window's centre lies at the paper's centre.
        const double dpi = platform::pixelsPerTwip() * platform::kTwipsPerInch;
        const QString prefix = pdf + QStringLiteral(".page");
        run("pdftoppm", {"-r", QString::number(qRound(dpi)), "-f", "1", "-l", "1", "-png",
                         "-singlefile", pdf, prefix});
        const QImage page(prefix + QStringLiteral(".png"));
        QVERIFY(!page.isNull());
        const QPointF paperCentre = QRectF(page.rect()).center();
        const QPointF windowCentre = QRectF(w.form->rect()).center();
        const auto onPage = [&](QPointF windowPixel) {
            return paperCentre + (windowPixel - windowCentre) * scale;
        };
        const auto onPageRect = [&](const QRect &windowRect) {
            return QRectF(onPage(windowRect.topLeft()), onPage(windowRect.bottomRight()))
                .toAlignedRect();
        };

        // The circle of radius 5 cm measures 10 cm times the scale across, to within half a
        // millimetre, and stands where the window's scale puts it. (Its top lies behind the rule
        // boxes, so its height is checked at its lowest point.)
        const double pixelsPerCm = platform::centimetresToPixels(1.0);
        const QRect circleOnWindow(qRound(8 * pixelsPerCm), qRound(8 * pixelsPerCm),
                                   qRound(10 * pixelsPerCm), qRound(10 * pixelsPerCm));
        const QRect red =
            extentOf(page, onPageRect(circleOnWindow).adjusted(-20, -20, 20, 20), isRed);
        const double cmPerPagePixel = 2.54 / dpi;
        QVERIFY2(qAbs(red.width() * cmPerPagePixel - 10 * scale) < 0.05,
                 qPrintable(QString::number(red.width() * cmPerPagePixel)));
        const QPointF centre = onPage(QPointF(13, 13) * pixelsPerCm);
        const QPointF lowest = onPage(QPointF(13, 18) * pixelsPerCm);
        QVERIFY(qAbs(QRectF(red).center().x() - centre.x()) * cmPerPagePixel < 0.05);
        QVERIFY2(qAbs(red.bottom() + 0.5 - lowest.y()) * cmPerPagePixel < 0.05,
                 qPrintable(QString::number(red.bottom() - lowest.y())));

        // The buttons print in the colours the hover left on them.
        QVERIFY(!extentOf(page, onPageRect(w.lblPrint->geometry()), isRed).isEmpty());
        QVERIFY(extentOf(page, onPageRect(w.lblHome->geometry()), isRed).isEmpty());

        // Texts keep their size in points: the ink of a label's text, of a rich-text box's
        // text and of text printed on the surface scales as the figure does.
        const QList<std::pair<QString, QRect>> texts{
            {QStringLiteral("lblPossibility"), w.lblPossibility->geometry()},
            {QStringLiteral("rtfSuppose2"), w.rtfSuppose2->geometry()},
            {QStringLiteral("surface text"),
             QRectF(QPointF(1.2, 17.0) * pixelsPerCm, QSizeF(6, 1.3) * pixelsPerCm).toRect()}};
        for (const auto &[name, area] : texts) {
            const QRect ink = extentOf(screen, area, isInk);
            const QRect printed = extentOf(page, onPageRect(area).adjusted(-3, -3, 3, 3), isInk);
            QVERIFY2(ink.width() > 60, qPrintable(name));
            QVERIFY2(qAbs(printed.width() - ink.width() * scale) <= 2, qPrintable(name));
            QVERIFY2(qAbs(printed.height() - ink.height() * scale) <= 2, qPrintable(name));
        }
    }
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
