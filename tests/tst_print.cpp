// Print: the printer dialog's answers and the printer's failures scripted through the dialog's
// seam, the placement of the window on a page, and real prints to PDF files that are counted
// and measured.

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

constexpr quint32 kRed = 0x000000FF;

// What the scripted printer did.
struct PrinterLog
{
    int pages = 0;
    int jobsEnded = 0;
};

// Scripts the dialog to answer with the given copies (nothing: cancelled) and the printer to
// fail on page failOn (0: never).
void script(LessonWindow &w, PrinterLog &log, std::optional<int> copies, int failOn = 0)
{
    platform::CommonDialog::System &system = w.CommonDialog1->system();
    system.showDialog = [copies] { return copies; };
    system.printPage = [&log, failOn] {
        if (log.pages + 1 == failOn)
            throw platform::RuntimeError(platform::kErrorPrinter, QStringLiteral("Printer error"));
        ++log.pages;
    };
    system.endJob = [&log] {
        ++log.jobsEnded;
        return true;
    };
}

// Clicks "Print" as the pupil does, through the window's event path.
void clickPrint(LessonWindow &w)
{
    w.lblPrint->setVisible(true);
    QTest::mouseClick(w.lblPrint, Qt::LeftButton);
}

// Windows on screen besides the lesson window: a message box, a dialog left open.
int otherWindowsShown(LessonWindow &w)
{
    int shown = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        shown += window != w.form && window->isVisible();
    return shown;
}

QString tool(const char *name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

int pageCount(const QString &pdf)
{
    QProcess info;
    info.start(tool("pdfinfo"), {pdf});
    if (!info.waitForFinished(30000))
        return -1;
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(QString::fromLocal8Bit(info.readAllStandardOutput()));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

bool embedsFonts(const QString &pdf)
{
    QProcess fonts;
    fonts.start(tool("pdffonts"), {pdf});
    if (!fonts.waitForFinished(30000))
        return false;
    // A header of two lines, then one line per font.
    return QString::fromLocal8Bit(fonts.readAllStandardOutput()).count(QLatin1Char('\n')) > 2;
}

// The first page rendered at the given dots per inch.
QImage renderPage(const QString &pdf, int dpi)
{
    const QString prefix = pdf + QStringLiteral(".page");
    QProcess render;
    render.start(tool("pdftoppm"),
                 {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                  QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                  QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, prefix});
    if (!render.waitForFinished(60000) || render.exitCode() != 0)
        return QImage();
    return QImage(prefix + QStringLiteral(".png"));
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

    void cancelPrintsNothingAndShowsNothing()
    {
        LessonWindow w;
        w.Form_Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form));
        PrinterLog log;
        script(w, log, std::nullopt);
        w.lblPrint->setVisible(true);
        w.Timer1->setEnabled(false); // Next's blinking would change the picture by itself
        const QImage before = w.form->grab().toImage();

        clickPrint(w);
        QVERIFY(w.CommonDialog1->CancelError());
        QCOMPARE(log.pages, 0);
        QCOMPARE(m_reports, QStringList());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(otherWindowsShown(w), 0);
        // No state of the window changes.
        QCOMPARE(w.form->grab().toImage(), before);
    }

    void onePagePerCopyUntilAnError_data()
    {
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("failOn");
        QTest::addColumn<int>("pages");
        QTest::newRow("three copies: three pages") << 3 << 0 << 3;
        QTest::newRow("one copy") << 1 << 0 << 1;
        QTest::newRow("no copies: nothing printed") << 0 << 0 << 0;
        QTest::newRow("negative copies: nothing printed") << -2 << 0 << 0;
        QTest::newRow("failure on the second of three: one page kept") << 3 << 2 << 1;
        QTest::newRow("failure on the first page") << 2 << 1 << 0;
        QTest::newRow("largest 16-bit count, every page printed") << 32767 << 0 << 32767;
        QTest::newRow("copies beyond 16 bits: nothing printed") << 40000 << 0 << 0;
        QTest::newRow("one beyond 16 bits") << 32768 << 0 << 0;
        QTest::newRow("far below 16 bits") << -40000 << 0 << 0;
    }

    void onePagePerCopyUntilAnError()
    {
        QFETCH(int, copies);
        QFETCH(int, failOn);
        QFETCH(int, pages);
        LessonWindow w;
        w.Form_Load();
        PrinterLog log;
        script(w, log, copies, failOn);

        clickPrint(w);
        QCOMPARE(log.pages, pages);
        // The job is closed in every case, so the pages already printed go out.
        QCOMPARE(log.jobsEnded, 1);
        QCOMPARE(m_reports, QStringList());
        QCOMPARE(otherWindowsShown(w), 0);
    }

    void cancelRaisesOnlyWhenAskedTo_data()
    {
        QTest::addColumn<bool>("cancelError");
        QTest::newRow("CancelError on: error 32755") << true;
        QTest::newRow("CancelError off: returns normally") << false;
    }

    void cancelRaisesOnlyWhenAskedTo()
    {
        QFETCH(bool, cancelError);
        LessonWindow w;
        PrinterLog log;
        script(w, log, 4);
        w.CommonDialog1->ShowPrinter();
        QCOMPARE(w.CommonDialog1->Copies(), 4);

        script(w, log, std::nullopt);
        w.CommonDialog1->setCancelError(cancelError);
        std::optional<platform::RuntimeError> raised;
        try {
            w.CommonDialog1->ShowPrinter();
        } catch (const platform::RuntimeError &error) {
            raised = error;
        }
        QCOMPARE(raised.has_value(), cancelError);
        if (raised) {
            QCOMPARE(raised->number(), 32755);
            QCOMPARE(QString::fromStdString(raised->what()),
                     QStringLiteral("Cancel was selected."));
        }
        // A cancelled dialog reports no new number of copies.
        QCOMPARE(w.CommonDialog1->Copies(), 4);
    }

    void theSystemsPrinterDialogAsksForTheCopies_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmed with three copies") << true;
        QTest::newRow("cancelled") << false;
    }

    void theSystemsPrinterDialogAsksForTheCopies()
    {
        QFETCH(bool, confirm);
        LessonWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form));
        platform::CommonDialog &dialog = *w.CommonDialog1;
        dialog.printer().setCopyCount(3);
        dialog.setCancelError(true);

        // The pupil's answer, given once the dialog is up.
        QString shown;
        bool offersPdf = false;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
            auto *printDialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            QVERIFY(printDialog);
            shown = QString::fromLatin1(printDialog->metaObject()->className());
            // On Linux the dialog also offers printing to a PDF file.
            for (QComboBox *list : printDialog->findChildren<QComboBox *>())
                for (int i = 0; i < list->count(); ++i)
                    offersPdf = offersPdf || list->itemText(i).contains(QLatin1String("PDF"));
            confirm ? printDialog->accept() : printDialog->reject();
        });
        std::optional<int> raised;
        try {
            dialog.ShowPrinter();
        } catch (const platform::RuntimeError &error) {
            raised = error.number();
        }
        QCOMPARE(shown, QStringLiteral("QPrintDialog"));
        QVERIFY(offersPdf);
        if (confirm) {
            QCOMPARE(raised, std::nullopt);
            QCOMPARE(dialog.Copies(), 3);
            // Each copy is a page of its own; the printer makes no further copies of them.
            QCOMPARE(dialog.printer().copyCount(), 1);
        } else {
            QCOMPARE(raised, std::optional<int>(platform::kErrorCancel));
        }
    }

    void placeOnPage_data()
    {
        QTest::addColumn<QSizeF>("window");
        QTest::addColumn<QRectF>("printable");
        QTest::addColumn<QRectF>("placed");
        QTest::newRow("fits: true scale, centred")
            << QSizeF(100, 50) << QRectF(10, 20, 200, 100) << QRectF(60, 45, 100, 50);
        QTest::newRow("fits exactly")
            << QSizeF(100, 50) << QRectF(0, 0, 100, 50) << QRectF(0, 0, 100, 50);
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
        LessonWindow w;
        w.Form_Load();
        platform::CommonDialog &dialog = *w.CommonDialog1;
        dialog.system().showDialog = [&dialog, &dir]() -> std::optional<int> {
            dialog.printer().setOutputFormat(QPrinter::PdfFormat);
            dialog.printer().setOutputFileName(dir.filePath(QStringLiteral("missing/page.pdf")));
            return 2;
        };
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        clickPrint(w);
        QCOMPARE(m_reports, QStringList());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing/page.pdf"))));

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
        QVERIFY2(!tool("pdfinfo").isEmpty() && !tool("pdftoppm").isEmpty() &&
                     !tool("pdffonts").isEmpty(),
                 "poppler-utils are needed: scripts/install-deps.sh installs them");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("lesson.pdf"));

        LessonWindow w;
        w.Form_Load();
        w.surface().drawCircle(13, 13, 5, kRed);
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
        QCOMPARE(pageCount(pdf), 2);
        // Texts stay texts with their fonts, not a bitmap of the window: sharp at any size.
        QVERIFY(embedsFonts(pdf));
        // Nothing on the window changed for the print.
        QCOMPARE(w.form->grab().toImage(), screen);

        // On a page rendered at the window's own pixel density, one window pixel becomes
        // `scale` page pixels, and the window's centre lies at the paper's centre.
        const double dpi = platform::pixelsPerTwip() * platform::kTwipsPerInch;
        const QImage page = renderPage(pdf, qRound(dpi));
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
                 qPrintable(QStringLiteral("lowest point at %1, expected %2")
                                .arg(red.bottom())
                                .arg(lowest.y())));

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
            QVERIFY2(qAbs(printed.width() - ink.width() * scale) <= 2,
                     qPrintable(QStringLiteral("%1: %2 wide on the page, %3 on screen")
                                    .arg(name)
                                    .arg(printed.width())
                                    .arg(ink.width())));
            QVERIFY2(qAbs(printed.height() - ink.height() * scale) <= 2, qPrintable(name));
        }
    }
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
