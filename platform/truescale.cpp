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

void drawAtTrueScale(QPainter &painter, QWidget *window, QPagedPaintDevice &device, int resolution)
{
    // A window pixel measures 1 / (1440 * pixelsPerTwip) inch.
    const QSizeF printable = device.pageLayout().paintRectPixels(resolution).size();
    const double dotsPerPixel = resolution / (design::kTwipsPerInch * design::pixelsPerTwip());
    const QSizeF size = window->size();
    const QRectF placed = placeOnPage(size * dotsPerPixel, QRectF(QPointF(0, 0), printable));

    // Rendered onto the printer, Qt would paint the window into a bitmap of the whole page; a
    // picture keeps every text a text, each font at its size in points.
    QPicture picture;
    {
        QPainter recorder(&picture);
        window->render(&recorder, QPoint(), QRegion(window->rect()),
                       QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    const double pictureScaleX = double(device.logicalDpiX()) / picture.logicalDpiX();
    const double pictureScaleY = double(device.logicalDpiY()) / picture.logicalDpiY();
    painter.save();
    painter.translate(placed.topLeft());
    painter.scale(placed.width() / size.width() / pictureScaleX,
                  placed.height() / size.height() / pictureScaleY);
    painter.drawPicture(QPointF(0, 0), picture);
    painter.restore();
}
