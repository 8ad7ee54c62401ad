#include "platform/truescale.h"

#include "platform/design.h"

#include <QPainter>
#include <QPagedPaintDevice>
#include <QPicture>
#include <QWidget>

namespace {

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

    // A window pixel measures 1 / (1440 * pixelsPerTwip) inch.
    const QSizeF printable = m_device.pageLayout().paintRectPixels(m_resolution).size();
    const double dotsPerPixel = m_resolution / (design::kTwipsPerInch * design::pixelsPerTwip());
    const QSizeF window = m_window->size();
    const QRectF placed = placeOnPage(window * dotsPerPixel, QRectF(QPointF(0, 0), printable));

    // Rendered onto the printer directly, Qt would paint the window into a bitmap of the whole
    // page. A picture keeps every text a text, and played on the printer scales itself from
    // screen to printer resolution, keeping each font at its size in points.
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
