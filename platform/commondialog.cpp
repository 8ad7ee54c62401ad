#include "platform/commondialog.h"

#include "platform/runtimeerror.h"
#include "platform/twips.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace platform {

QRectF placeOnPage(QSizeF trueSize, QRectF printable)
{
    if (trueSize.isEmpty() || printable.isEmpty())
        return QRectF(printable.center(), QSizeF(0, 0));
    const double scale = std::min(
        {1.0, printable.width() / trueSize.width(), printable.height() / trueSize.height()});
    QRectF placed(QPointF(0, 0), trueSize * scale);
    placed.moveCenter(printable.center());
    return placed;
}

CommonDialog::CommonDialog(QWidget *window, const char *name) : QObject(window), m_window(window)
{
    setObjectName(QString::fromLatin1(name));
    m_system.showDialog = [this] { return execPrintDialog(); };
    m_system.printPage = [this] { renderPage(); };
    m_system.endJob = [this] { return finishJob(); };
}

CommonDialog::~CommonDialog()
{
    // A job still open when the window goes is sent as it is.
    finishJob();
}

QPrinter &CommonDialog::printer()
{
    // Made when first needed: looking up the system's printers costs time that a window which
    // never prints should not pay.
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageOrientation(QPageLayout::Landscape);
        const QMarginsF narrow(5, 5, 5, 5);
        if (!m_printer->setPageMargins(narrow, QPageLayout::Millimeter))
            m_printer->setPageMargins(m_printer->pageLayout().minimumMargins(),
                                      m_printer->pageLayout().units());
    }
    return *m_printer;
}

void CommonDialog::ShowPrinter()
{
    const std::optional<int> copies = m_system.showDialog();
    if (!copies) {
        if (m_cancelError)
            throw RuntimeError(kErrorCancel, QStringLiteral("Cancel was selected."));
        return;
    }
    m_copies = *copies;
}

std::optional<int> CommonDialog::execPrintDialog()
{
    QPrinter &chosen = printer();
    QPrintDialog dialog(&chosen, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // The window prints each copy as a page of its own; a printer left to make its own copies
    // as well would multiply them.
    const int copies = chosen.copyCount();
    chosen.setCopyCount(1);
    return copies;
}

void CommonDialog::PrintForm()
{
    m_system.printPage();
}

bool CommonDialog::EndDoc()
{
    return m_system.endJob ? m_system.endJob() : true;
}

void CommonDialog::renderPage()
{
    QPrinter &target = printer();
    if (!m_job) {
        auto job = std::make_unique<QPainter>();
        if (!job->begin(&target))
            throw RuntimeError(kErrorPrinter, QStringLiteral("Printer error"));
        m_job = std::move(job);
    } else if (!target.newPage()) {
        throw RuntimeError(kErrorPrinter, QStringLiteral("Printer error"));
    }

    // The painter's origin is the printable area's top left. A window pixel measures
    // 1 / (1440 * pixelsPerTwip) inch, so at true scale it covers this many printer dots.
    const QSizeF printable = target.pageRect(QPrinter::DevicePixel).size();
    const double dotsPerPixel = target.resolution() / (kTwipsPerInch * pixelsPerTwip());
    const QSizeF window = m_window->size();
    const QRectF placed = placeOnPage(window * dotsPerPixel, QRectF(QPointF(0, 0), printable));

    // The window renders itself, controls and all, into a picture: a record of its drawing
    // in its own pixels, with every text still a text. Rendered onto the printer directly, Qt
    // would paint it into a bitmap of the whole page at printer resolution instead. Played on
    // the printer, the picture scales itself from screen to printer resolution and keeps each
    // font at its size in points; the rest of the scale places it on the page. Nothing on the
    // window changes for it.
    QPicture picture;
    {
        QPainter recorder(&picture);
        m_window->render(&recorder, QPoint(), QRegion(m_window->rect()),
                         QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    const double pictureScaleX = double(target.logicalDpiX()) / picture.logicalDpiX();
    const double pictureScaleY = double(target.logicalDpiY()) / picture.logicalDpiY();
    m_job->save();
    m_job->translate(placed.topLeft());
    m_job->scale(placed.width() / window.width() / pictureScaleX,
                 placed.height() / window.height() / pictureScaleY);
    m_job->drawPicture(QPointF(0, 0), picture);
    m_job->restore();
}

bool CommonDialog::finishJob()
{
    if (!m_job)
        return true;
    const bool sent = m_job->end();
    m_job.reset();
    return sent;
}

} // namespace platform
