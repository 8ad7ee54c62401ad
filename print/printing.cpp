#include "print/printing.h"

#include "platform/design.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

namespace {

// Centred and at true scale, so that pupils can check the figure with a ruler, unless too large.
void drawAtTrueScale(QPainter &painter, QWidget *window, QPagedPaintDevice &device, int resolution)
{
    // A window pixel measures 1 / (1440 * pixelsPerTwip) inch.
    const QRectF printable(QPointF(0, 0), device.pageLayout().paintRectPixels(resolution).size());
    const double dotsPerPixel = resolution / (design::kTwipsPerInch * design::pixelsPerTwip());
    const QSizeF size = window->size();
    const QSizeF trueSize = size * dotsPerPixel;
    QRectF placed;
    if (!trueSize.isEmpty() && !printable.isEmpty())
        placed.setSize(trueSize * std::min({1.0, printable.width() / trueSize.width(),
                                            printable.height() / trueSize.height()}));
    placed.moveCenter(printable.center());

    // A picture keeps every text a text; rendered onto the printer, Qt would paint a page bitmap.
    QPicture picture;
    QPainter recorder(&picture);
    window->render(&recorder);
    recorder.end();
    const double pictureScaleX = double(device.logicalDpiX()) / picture.logicalDpiX();
    const double pictureScaleY = double(device.logicalDpiY()) / picture.logicalDpiY();
    painter.save();
    painter.translate(placed.topLeft());
    painter.scale(placed.width() / size.width() / pictureScaleX,
                  placed.height() / size.height() / pictureScaleY);
    painter.drawPicture(QPointF(0, 0), picture);
    painter.restore();
}

} // namespace

Printing::Printing(QWidget *window) : m_window(window) {}

Printing::~Printing() = default;

// Made on first use, not to wait for the printers; narrow margins fit A4 or Letter at true scale.
QPrinter &Printing::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageOrientation(QPageLayout::Landscape);
        if (!m_printer->setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter))
            m_printer->setPageMargins(m_printer->pageLayout().minimumMargins(),
                                      m_printer->pageLayout().units());
    }
    return *m_printer;
}

void Printing::print()
{
    QPrinter &target = printer();
    QPrintDialog dialog(&target, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Each copy is a page of its own; a printer making its own copies as well would multiply them.
    const int copies = target.copyCount();
    target.setCopyCount(1);
    const bool toFile =
        target.outputFormat() == QPrinter::PdfFormat && !target.outputFileName().isEmpty();
    const bool printed = toFile ? printToFile(target.outputFileName(), copies)
                                : printPages(target, target.resolution(), copies);
    if (printed)
        return;
    // A printer that failed once may be left in a state that spoils every later print.
    m_printer.reset();
    //: The title of the message that a print failed.
    QMessageBox::warning(
        m_window, QCoreApplication::translate("Printing", "Print"),
        //: %1 is why: one of the reasons below, or the system's own words.
        QCoreApplication::translate("Printing", "The lesson was not printed: %1.").arg(m_failure));
}

// The pages go to the device when the painter ends, so copies sent to a file all land in it.
bool Printing::printPages(QPagedPaintDevice &device, int resolution, int copies)
{
    QPainter painter;
    for (int copy = 1; copy <= copies; ++copy) {
        if (copy == 1 ? !painter.begin(&device) : !device.newPage()) {
            //: Why a print failed, completing "The lesson was not printed: %1.".
            m_failure =
                QCoreApplication::translate("Printing", "the printer did not take the page");
            return false;
        }
        drawAtTrueScale(painter, m_window, device, resolution);
    }
    if (painter.isActive() && !painter.end()) {
        //: Why a print failed, completing "The lesson was not printed: %1.".
        m_failure = QCoreApplication::translate("Printing", "the printer did not take the pages");
        return false;
    }
    return true;
}

// Qt's PDF output hides a failed write, leaving a truncated file: made in memory, saved whole.
bool Printing::printToFile(const QString &fileName, int copies)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(printer().resolution());
        writer.setPageLayout(printer().pageLayout());
        writer.setCreator(QCoreApplication::applicationName());
        if (!printPages(writer, writer.resolution(), copies))
            return false;
    }
    // A device such as a printer's port or /dev/full is written directly.
    const QFileInfo target(fileName);
    const std::unique_ptr<QFileDevice> file =
        target.exists() && !target.isFile() ? std::unique_ptr<QFileDevice>(new QFile(fileName))
                                            : std::make_unique<QSaveFile>(fileName);
    bool written =
        file->open(QIODevice::WriteOnly) && file->write(pdf.data()) == pdf.size() && file->flush();
    if (auto *whole = dynamic_cast<QSaveFile *>(file.get()); whole && written)
        written = whole->commit();
    if (!written)
        m_failure = file->errorString();
    return written;
}
