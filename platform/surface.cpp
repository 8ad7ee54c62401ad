#include "platform/surface.h"

#include "platform/colour.h"
#include "platform/fonts.h"
#include "platform/twips.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QWidget>

#include <cmath>
#include <QTransform>

#include <cmath>

namespace platform {

Surface::Surface(QWidget *owner, QSize logicalSize, quint32 backColour)
    : m_owner(owner), m_logicalSize(logicalSize), m_backColour(backColour),
      m_font(makeFont(FontSpec{}))
{
    setDevicePixelRatio(1.0);
}

Surface::~Surface()
{
    flush();
}

QPointF Surface::toPixels(double x, double y) const
{
    return QPointF(centimetresToPixels(x), centimetresToPixels(y));
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
    ++m_operations;
}

void Surface::beginPainting()
{
    if (!m_imagePainter) {
        m_imagePainter = std::make_unique<QPainter>(&m_image);
        m_batch = QPicture();
        m_batchPainter = std::make_unique<QPainter>(&m_batch);
    }
}

// Asks the owner to repaint the part that changed. The request is made once, after the
// handler that draws has returned, so a figure of thousands of dots costs one small update.
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
    m_currentX = 0;
    m_currentY = 0;
    m_operations = 0;
}

void Surface::setDrawWidth(int pixels)
{
    m_drawWidth = pixels < 1 ? 1 : pixels;
}

void Surface::setFontSize(double points)
{
    if (points > 0)
        m_font.setPointSizeF(points);
}

void Surface::drawCircle(double x, double y, double radius, quint32 colour)
{
    const QPointF centre = toPixels(x, y);
    const double r = centimetresToPixels(radius);
    const int width = m_drawWidth;
    const double reach = std::abs(r) + width;
    touched(QRectF(centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach));
    draw([&](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(colourFromBgr(colour), width));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, r, r);
    });
}

void Surface::drawLine(double x1, double y1, double x2, double y2, quint32 colour)
{
    const QPointF from = toPixels(x1, y1);
    const QPointF to = toPixels(x2, y2);
    const int width = m_drawWidth;
    touched(QRectF(from, to).normalized().adjusted(-width, -width, width, width));
    draw([&](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(colourFromBgr(colour), width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
    });
}

namespace {

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

void Surface::setPoint(double x, double y, quint32 colour)
{
    // Dots come in runs of thousands (the stipple); a run of one colour and width is gathered
    // and drawn in one go by drawDots, before anything else is drawn over it.
    if (!m_dots.isEmpty() && (colour != m_dotColour || m_drawWidth != m_dotWidth))
        drawDots();
    m_dotColour = colour;
    m_dotWidth = m_drawWidth;
    const QPointF at = toPixels(x, y);
    m_dots.append(at);
    const double reach = m_drawWidth + 1;
    touched(QRectF(at.x() - reach, at.y() - reach, 2 * reach, 2 * reach));
    ++m_operations;
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
    const QColor colour = colourFromBgr(m_dotColour);
    const int width = m_dotWidth;

    QPainter &screen = *m_imagePainter;
    if (width <= 1) {
        screen.setRenderHint(QPainter::Antialiasing, false);
        screen.setPen(QPen(colour, 1));
        screen.drawPoints(m_dots.constData(), int(m_dots.size()));
    } else {
        const QImage &dot = dotImage(colour, width);
        const double half = dot.width() / (2.0 * dot.devicePixelRatio());
        for (const QPointF &at : std::as_const(m_dots))
            screen.drawImage(onPixelGrid(screen, at, width) - QPointF(half, half), dot);
    }

    // The record keeps the run as round points of the pen's width, drawn afresh at whatever
    // resolution it is replayed.
    QPainter &record = *m_batchPainter;
    record.setRenderHint(QPainter::Antialiasing, width > 1);
    record.setPen(QPen(colour, width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::SquareCap));
    record.drawPoints(m_dots.constData(), int(m_dots.size()));
    m_dots.clear();
}

void Surface::print(const QString &text)
{
    const QFont font = m_font;
    const QFontMetricsF metrics(font);
    const QPointF topLeft = toPixels(m_currentX, m_currentY);
    const QColor colour = colourFromBgr(m_foreColour);
    touched(QRectF(topLeft, QSizeF(metrics.horizontalAdvance(text) + 2, metrics.height() + 2)));
    draw([&](QPainter &p) {
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(font);
        p.setPen(colour);
        p.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    });
    m_currentX = 0;
    m_currentY += metrics.height() / centimetresToPixels(1.0);
}

QString Surface::numberText(qint16 value)
{
    return value < 0 ? QString::number(value) + QLatin1Char(' ')
                     : QLatin1Char(' ') + QString::number(value) + QLatin1Char(' ');
}

void Surface::printNumber(qint16 value)
{
    print(numberText(value));
}

void Surface::paint(QPainter &painter, bool toScreen)
{
    flush();
    if (toScreen) {
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

} // namespace platform
