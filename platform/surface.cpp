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

} // namespace

Surface::Surface(QWidget *owner, QSize logicalSize) : m_owner(owner), m_logicalSize(logicalSize)
{
    setDevicePixelRatio(1.0);
}

Surface::~Surface()
{
    flush();
}

// Runs one drawing step on the screen image and on the record. The painters stay open between
// steps, so a stipple of thousands of dots costs no more than the dots themselves; paint() and
// image() close them first.
template <typename Draw> void Surface::draw(Draw &&drawStep)
{
    drawDots();
    beginPainting();
    drawStep(*m_imagePainter);
    drawStep(*m_batchPainter);
}

void Surface::beginPainting()
{
    if (!m_imagePainter) {
        m_imagePainter = std::make_unique<QPainter>(&m_image);
        m_batch = QPicture();
        m_batchPainter = std::make_unique<QPainter>(&m_batch);
    }
}

// Asks the owner to repaint the part that changed. The request is made once, after the event
// that draws has been handled, so a figure of thousands of dots costs one small update.
void Surface::touched(const QRectF &pixels)
{
    const QRect area = pixels.intersected(QRectF(QPointF(0, 0), QSizeF(m_logicalSize)))
                           .toAlignedRect()
                           .adjusted(-1, -1, 1, 1);
    if (area.isEmpty())
        return;
    m_drawnBounds |= area;
    m_dirty |= area;
    if (m_updatePosted || !m_owner)
        return;
    m_updatePosted = true;
    QMetaObject::invokeMethod(
        m_owner,
        [this] {
            m_updatePosted = false;
            m_owner->update(m_dirty);
            m_dirty = QRect();
        },
        Qt::QueuedConnection);
}

void Surface::flush()
{
    drawDots();
    if (!m_imagePainter)
        return;
    m_imagePainter->end();
    m_batchPainter->end();
    m_imagePainter.reset();
    m_batchPainter.reset();
    m_record.append(m_batch);
    m_batch = QPicture();
}

void Surface::clear()
{
    m_dots.clear();
    flush();
    touched(m_drawnBounds);
    m_drawnBounds = QRect();
    m_record.clear();
    m_image.fill(Qt::transparent);
}

void Surface::drawCircle(QPointF centreCm, double radiusCm, const QColor &colour, int penWidth)
{
    const QPointF centre = toPixels(centreCm);
    const double r = design::centimetresToPixels(radiusCm);
    const double reach = std::abs(r) + penWidth;
    touched(QRectF(centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach));
    draw([&](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(colour, penWidth));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, r, r);
    });
}

void Surface::drawLine(QPointF fromCm, QPointF toCm, const QColor &colour, int penWidth)
{
    const QPointF from = toPixels(fromCm);
    const QPointF to = toPixels(toCm);
    touched(QRectF(from, to).normalized().adjusted(-penWidth, -penWidth, penWidth, penWidth));
    draw([&](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
    });
}

void Surface::drawDot(QPointF atCm, const QColor &colour, int width)
{
    // Dots come in runs of thousands (the stipple); a run of one colour and width is gathered
    // and drawn in one go by drawDots, before anything else is drawn over it.
    if (!m_dots.isEmpty() && (colour != m_dotColour || width != m_dotWidth))
        drawDots();
    m_dotColour = colour;
    m_dotWidth = width;
    const QPointF at = toPixels(atCm);
    m_dots.append(at);
    const double reach = width + 1;
    touched(QRectF(at.x() - reach, at.y() - reach, 2 * reach, 2 * reach));
}

// One round dot, drawn once at the screen's density and copied wherever a dot goes. It is an
// even or odd number of device pixels across, like the dot, so that its centre falls where
// onPixelGrid puts a dot's centre.
const QImage &Surface::dotImage(const QColor &colour, int width)
{
    if (m_dotImage.isNull() || m_dotImageColour != colour || m_dotImageWidth != width ||
        m_dotImage.devicePixelRatio() != m_ratio) {
        const int across = qRound(width * m_ratio);
        const int side = across + 2;
        m_dotImage = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
        m_dotImage.fill(Qt::transparent);
        QPainter painter(&m_dotImage);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(side / 2.0, side / 2.0), across / 2.0, across / 2.0);
        painter.end();
        m_dotImage.setDevicePixelRatio(m_ratio);
        m_dotImageColour = colour;
        m_dotImageWidth = width;
    }
    return m_dotImage;
}

void Surface::drawDots()
{
    if (m_dots.isEmpty())
        return;
    beginPainting();
    const int width = m_dotWidth;

    QPainter &screen = *m_imagePainter;
    if (width <= 1) {
        screen.setRenderHint(QPainter::Antialiasing, false);
        screen.setPen(QPen(m_dotColour, 1));
        screen.drawPoints(m_dots.constData(), int(m_dots.size()));
    } else {
        const QImage &dot = dotImage(m_dotColour, width);
        const double half = dot.width() / (2.0 * dot.devicePixelRatio());
        for (const QPointF &at : std::as_const(m_dots))
            screen.drawImage(onPixelGrid(screen, at, width) - QPointF(half, half), dot);
    }

    // The record keeps the run as round points of the pen's width, drawn afresh at whatever
    // resolution it is replayed.
    QPainter &record = *m_batchPainter;
    record.setRenderHint(QPainter::Antialiasing, width > 1);
    record.setPen(
        QPen(m_dotColour, width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::SquareCap));
    record.drawPoints(m_dots.constData(), int(m_dots.size()));
    m_dots.clear();
}

void Surface::drawText(QPointF topLeftCm, const QString &text, const QFont &font,
                       const QColor &colour)
{
    const QFontMetricsF metrics(font);
    const QPointF topLeft = toPixels(topLeftCm);
    touched(QRectF(topLeft, QSizeF(metrics.horizontalAdvance(text) + 2, metrics.height() + 2)));
    draw([&](QPainter &p) {
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(font);
        p.setPen(colour);
        p.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    });
}

void Surface::paint(QPainter &painter)
{
    flush();
    const bool raster =
        painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    if (raster && qFuzzyCompare(painter.deviceTransform().m11(), m_ratio)) {
        painter.drawImage(QPointF(0, 0), m_image);
        return;
    }
    for (const QPicture &picture : std::as_const(m_record))
        painter.drawPicture(QPointF(0, 0), picture);
}

const QImage &Surface::image()
{
    flush();
    return m_image;
}

void Surface::setDevicePixelRatio(qreal ratio)
{
    flush();
    m_ratio = ratio > 0 ? ratio : 1.0;
    m_image = QImage(m_logicalSize * m_ratio, QImage::Format_ARGB32_Premultiplied);
    m_image.setDevicePixelRatio(m_ratio);
    m_image.fill(Qt::transparent);
    // Draw what was recorded again at the new density, so nothing drawn is lost or blurred.
    QPainter painter(&m_image);
    for (const QPicture &picture : std::as_const(m_record))
        painter.drawPicture(QPointF(0, 0), picture);
}
