#include "platform/surface.h"

#include "platform/design.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QTransform>
#include <QWidget>

#include <cmath>

namespace {

QPointF toPixels(QPointF cm)
{
    return {design::centimetresToPixels(cm.x()), design::centimetresToPixels(cm.y())};
}

QRectF around(QPointF centre, double reach)
{
    return {centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach};
}

// A dot a few pixels wide, centred where the point falls, is blurred differently at every place
// it lands; a stipple of them looks ragged. Its centre is moved to the nearest place on the
// device's pixel grid (a pixel's centre when the dot is an odd number of device pixels across,
// a pixel's corner when even), so that every dot gets the same crisp round shape. The move is
// less than a device pixel.
QPointF onPixelGrid(const QPainter &painter, QPointF at, double width)
{
    const QTransform toDevice = painter.deviceTransform();
    if (!toDevice.isInvertible() || toDevice.isRotating())
        return at;
    const QPointF device = toDevice.map(at);
    const bool odd = qRound(width * toDevice.m11()) % 2 != 0;
    const QPointF snapped =
        odd ? QPointF(std::floor(device.x()) + 0.5, std::floor(device.y()) + 0.5)
            : QPointF(std::round(device.x()), std::round(device.y()));
    return toDevice.inverted().map(snapped);
}

// One round dot at the screen's density, copied wherever a dot of a run goes. It is an even or
// odd number of device pixels across, like the dot, so that its centre falls where onPixelGrid
// puts a dot's centre.
QImage roundDot(const QColor &colour, int width, qreal ratio)
{
    const int across = qRound(width * ratio);
    const int side = across + 2;
    QImage dot(side, side, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(side / 2.0, side / 2.0), across / 2.0, across / 2.0);
    painter.end();
    dot.setDevicePixelRatio(ratio);
    return dot;
}

} // namespace

Surface::Surface(QWidget *owner, QSize logicalSize) : m_owner(owner), m_logicalSize(logicalSize)
{
    setDevicePixelRatio(1.0);
}

// Runs one drawing step on the screen image and on the record, then asks the owner to repaint
// the area it covers (in logical pixels). Qt gathers the requests into one repaint after the
// event that draws.
template <typename OnScreen, typename InRecord>
void Surface::draw(const QRectF &area, OnScreen &&onScreen, InRecord &&inRecord)
{
    {
        QPainter screen(&m_image);
        onScreen(screen);
    }
    QPicture step;
    {
        QPainter record(&step);
        inRecord(record);
    }
    m_record.append(step);
    const QRect touched =
        area.toAlignedRect().adjusted(-1, -1, 1, 1) & QRect(QPoint(0, 0), m_logicalSize);
    m_drawnBounds |= touched;
    m_owner->update(touched);
}

void Surface::clear()
{
    m_owner->update(m_drawnBounds);
    m_drawnBounds = QRect();
    m_record.clear();
    m_image.fill(Qt::transparent);
}

void Surface::drawCircle(QPointF centreCm, double radiusCm, const QColor &colour, int penWidth)
{
    const QPointF centre = toPixels(centreCm);
    const double r = design::centimetresToPixels(radiusCm);
    const auto circle = [&](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(colour, penWidth));
        p.drawEllipse(centre, r, r);
    };
    draw(around(centre, std::abs(r) + penWidth), circle, circle);
}

void Surface::drawLine(QPointF fromCm, QPointF toCm, const QColor &colour, int penWidth)
{
    const QPointF from = toPixels(fromCm);
    const QPointF to = toPixels(toCm);
    const auto line = [&](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
    };
    draw(QRectF(from, to).normalized().adjusted(-penWidth, -penWidth, penWidth, penWidth), line,
         line);
}

void Surface::drawDots(const QList<QPointF> &centresCm, const QColor &colour, int width)
{
    QList<QPointF> centres;
    QRectF area;
    for (const QPointF &cm : centresCm) {
        centres.append(toPixels(cm));
        area |= around(centres.constLast(), width + 1);
    }
    const auto onScreen = [&](QPainter &screen) {
        const QImage dot = roundDot(colour, width, m_ratio);
        const double half = dot.width() / (2.0 * dot.devicePixelRatio());
        for (const QPointF &at : std::as_const(centres))
            screen.drawImage(onPixelGrid(screen, at, width) - QPointF(half, half), dot);
    };
    // The record keeps the dots as round points of the pen's width, drawn afresh at whatever
    // resolution it is replayed.
    const auto inRecord = [&](QPainter &record) {
        record.setRenderHint(QPainter::Antialiasing, true);
        record.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        record.drawPoints(centres.constData(), int(centres.size()));
    };
    draw(area, onScreen, inRecord);
}

void Surface::drawText(QPointF topLeftCm, const QString &text, const QFont &font,
                       const QColor &colour)
{
    const QFontMetricsF metrics(font);
    const QPointF topLeft = toPixels(topLeftCm);
    const auto write = [&](QPainter &p) {
        p.setFont(font);
        p.setPen(colour);
        p.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    };
    draw(QRectF(topLeft, QSizeF(metrics.horizontalAdvance(text) + 2, metrics.height() + 2)), write,
         write);
}

void Surface::paint(QPainter &painter)
{
    const bool raster =
        painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    if (raster && qFuzzyCompare(painter.deviceTransform().m11(), m_ratio)) {
        painter.drawImage(QPointF(0, 0), m_image);
        return;
    }
    for (const QPicture &picture : std::as_const(m_record))
        painter.drawPicture(QPointF(0, 0), picture);
}

void Surface::setDevicePixelRatio(qreal ratio)
{
    m_ratio = ratio > 0 ? ratio : 1.0;
    m_image = QImage(m_logicalSize * m_ratio, QImage::Format_ARGB32_Premultiplied);
    m_image.setDevicePixelRatio(m_ratio);
    m_image.fill(Qt::transparent);
    // Draw what was recorded again at the new density, so nothing drawn is lost or blurred.
    QPainter painter(&m_image);
    for (const QPicture &picture : std::as_const(m_record))
        painter.drawPicture(QPointF(0, 0), picture);
}
