#include "platform/truescale.h"

#include "platform/design.h"

#include <QPainter>
#include <QPagedPaintDevice>
#include <QPicture>
#include <QRectF>
#include <QSizeF>
#include <QWidget>

#include <algorithm>

namespace {

// Where a window of the given true size lands in a printable area: at true scale where it fits,
// otherwise scaled down to fit, keeping its proportions; centred either way. Both in the
// printer's device pixels.
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

} // namespace

TrueScaleJob::TrueScaleJob(QWidget *window, QPagedPaintDevice &device, int resolution)
    : m_window(window), m_device(device), m_resolution(resolution)
{
}

TrueScaleJob::~TrueScaleJob()
{
    finish();
}

bool TrueScaleJob::printPage()
{
    if (!m_painter) {
        auto painter = std::make_unique<QPainter>();
        if (!painter->begin(&m_device))
            return false;
        m_painter = std::move(painter);
    } else if (!m_device.newPage()) {
        return false;
    }

    // The painter's origin is the printable area's top left. A window pixel measures
    // 1 / (1440 * pixelsPerTwip) inch, so at true scale it covers this many printer dots.
    const QSizeF printable = m_device.pageLayout().paintRectPixels(m_resolution).size();
    const double dotsPerPixel = m_resolution / (design::kTwipsPerInch * design::pixelsPerTwip());
    const QSizeF window = m_window->size();
    const QRectF placed = placeOnPage(window * dotsPerPixel, QRectF(QPointF(0, 0), printable));

    // The window renders itself, controls and all, into a picture: a record of its drawing in
    // its own pixels, with every text still a text. Rendered onto the printer directly, Qt would
    // paint it into a bitmap of the whole page at printer resolution instead. Played on the
    // printer, the picture scales itself from screen to printer resolution and keeps each font
    // at its size in points; the rest of the scale places it on the page. Nothing on the window
    // changes for it.
    QPicture picture;
    {
        QPainter recorder(&picture);
        m_window->render(&recorder, QPoint(), QRegion(m_window->rect()),
                         QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    const double pictureScaleX = double(m_device.logicalDpiX()) / picture.logicalDpiX();
    const double pictureScaleY = double(m_device.logicalDpiY()) / picture.logicalDpiY();
    m_painter->save();
    m_painter->translate(placed.topLeft());
    m_painter->scale(placed.width() / window.width() / pictureScaleX,
                     placed.height() / window.height() / pictureScaleY);
    m_painter->drawPicture(QPointF(0, 0), picture);
    m_painter->restore();
    return true;
}

bool TrueScaleJob::finish()
{
    if (!m_painter)
        return true;
    const bool sent = m_painter->end();
    m_painter.reset();
    return sent;
}
