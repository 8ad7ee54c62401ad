#include "figure/figure.h"

#include "platform/colours.h"
#include "platform/design.h"

#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace {

constexpr float kGridStep = 0.2f;

QPointF toPixels(QPointF cm)
{
    return {design::centimetresToPixels(cm.x()), design::centimetresToPixels(cm.y())};
}

void circle(QPainter &painter, QPointF centreCm, int radiusCm)
{
    const double radius = design::centimetresToPixels(radiusCm);
    painter.drawEllipse(toPixels(centreCm), radius, radius);
}

void writeAt(QPainter &painter, QPointF topLeftCm, const QString &text, double points,
             const QColor &colour)
{
    const QFont font = design::font("MS Sans Serif", points, true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(toPixels(topLeftCm) + QPointF(0, QFontMetricsF(font).ascent()), text);
}

// Moved onto the device's pixel grid (by under a pixel), every dot is blurred alike.
QPointF onPixelGrid(const QTransform &toDevice, QPointF at, double width)
{
    const QPointF device = toDevice.map(at);
    const bool odd = qRound(width * toDevice.m11()) % 2 != 0;
    const QPointF snapped =
        odd ? QPointF(std::floor(device.x()) + 0.5, std::floor(device.y()) + 0.5)
            : QPointF(std::round(device.x()), std::round(device.y()));
    return toDevice.inverted().map(snapped);
}

// Thousands of dots: on the screen one is drawn once and stamped; a printer draws round points.
void dots(QPainter &painter, const QList<QPointF> &centres, const QColor &colour, bool onScreen)
{
    const int width = design::strokeWidth(3);
    if (!onScreen) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawPoints(centres.constData(), int(centres.size()));
        return;
    }
    const qreal ratio = painter.device()->devicePixelRatioF();
    const int across = qRound(width * ratio);
    const int side = across + 2;
    QImage dot(side, side, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::transparent);
    {
        QPainter stamp(&dot);
        stamp.setRenderHint(QPainter::Antialiasing, true);
        stamp.setPen(Qt::NoPen);
        stamp.setBrush(colour);
        stamp.drawEllipse(QPointF(side / 2.0, side / 2.0), across / 2.0, across / 2.0);
    }
    dot.setDevicePixelRatio(ratio);
    const double half = side / (2.0 * ratio);
    const QTransform toDevice = painter.deviceTransform();
    for (const QPointF &at : centres)
        painter.drawImage(onPixelGrid(toDevice, at, width) - QPointF(half, half), dot);
}

//: How the two circles lie, completing "The two circles %1; rule (%2) holds.".
const char *const kRelations[] = {
    QT_TRANSLATE_NOOP("Figure", "touch each other externally"),
    QT_TRANSLATE_NOOP("Figure", "touch each other internally"),
    QT_TRANSLATE_NOOP("Figure", "intersect each other in 2 points"),
    QT_TRANSLATE_NOOP("Figure", "neither intersect nor touch and one of them is inside the other"),
    QT_TRANSLATE_NOOP("Figure", "do not intersect or touch and each is outside the other"),
};

} // namespace

void forEachStipplePoint(const Choice &choice, const std::function<void(float x, float y)> &dot)
{
    const float xStart = float(static_cast<long double>(choice.xP()) - *choice.r1);
    const float xEnd = float(static_cast<long double>(*choice.r2) + choice.xQ());
    const float yStart = float(Choice::kCentreLine - *choice.r1);
    const float yEnd = float(Choice::kCentreLine + *choice.r2);
    for (float x = xStart; x <= xEnd; x += kGridStep)
        for (float y = yStart; y <= yEnd; y += kGridStep)
            if (insideBothDiscs(choice, x, y))
                dot(x, y);
}

Figure::Figure(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("figure"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // From 2 to 24 cm across and 8 to 18 cm down, with room for the outermost circles' strokes.
    design::place(this, QRectF(1074, 4476, 12594, 5790));
    hide();
}

void Figure::showChoice(const Choice &choice, bool radiusChanged)
{
    m_choice = choice;
    m_radiusChanged = radiusChanged;
    m_drawn = QImage();
    //: The figure as a screen reader says it: %1 and %2 the radii, %3 the distance, all in cm.
    setAccessibleName(tr("Circle with centre P and radius %1 cm, circle with centre Q and radius "
                         "%2 cm, centres %3 cm apart.")
                          .arg(*choice.r1)
                          .arg(*choice.r2)
                          .arg(*choice.distance));
    //: The outcome a screen reader says: %1 how the circles lie (as above), %2 the rule that holds.
    setAccessibleDescription(tr("The two circles %1; rule (%2) holds.")
                                 .arg(tr(kRelations[choice.rule() - 1]))
                                 .arg(choice.rule()));
    show();
    update();
}

void Figure::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const bool onScreen = painter.paintEngine()->type() == QPaintEngine::Raster &&
                          qFuzzyCompare(painter.deviceTransform().m11(), ratio);
    if (!onScreen)
        return draw(painter, false);
    // Drawn once per choice and size (which the zoom sets); a repaint for a hover copies it.
    if (m_drawn.devicePixelRatio() != ratio || m_drawn.size() != size() * ratio) {
        m_drawn = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        m_drawn.setDevicePixelRatio(ratio);
        m_drawn.fill(Qt::transparent);
        QPainter image(&m_drawn);
        draw(image, true);
    }
    painter.drawImage(QPointF(0, 0), m_drawn);
}

void Figure::draw(QPainter &painter, bool onScreen) const
{
    // Positions are centimetres from the designed client area's top left.
    painter.translate(QPointF(design::view.origin - pos()));
    painter.setRenderHint(QPainter::Antialiasing, true);
    const int line = design::strokeWidth(2);
    const auto circlesAndSegment = [&] {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colours::kRed, line));
        circle(painter, m_choice.centreP(), *m_choice.r1);
        circle(painter, m_choice.centreQ(), *m_choice.r2);
        painter.setPen(QPen(colours::kBlue, line, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(toPixels(m_choice.centreP()), toPixels(m_choice.centreQ()));
        // Each position is worked out in double precision and kept as a single.
        writeAt(painter, QPointF(float(Choice::kMidpoint - 0.2), float(Choice::kCentreLine - 0.35)),
                QStringLiteral(" %1 ").arg(*m_choice.distance), 8, colours::kBlue);
    };
    const auto centre = [&](QChar letter, float x, const QColor &colour) {
        writeAt(painter, QPointF(x, float(Choice::kCentreLine + 0.1)), letter, 10, colours::kRed);
        dots(painter, {toPixels(QPointF(x, Choice::kCentreLine))}, colour, onScreen);
    };
    if (!m_radiusChanged)
        circlesAndSegment();
    centre(QLatin1Char('P'), m_choice.xP(), colours::kGreen);
    centre(QLatin1Char('Q'), m_choice.xQ(),
           m_radiusChanged ? colours::kGreen : colours::kDarkGreen);
    if (m_radiusChanged)
        circlesAndSegment();
    QList<QPointF> stipple;
    forEachStipplePoint(m_choice,
                        [&stipple](float x, float y) { stipple.append(toPixels(QPointF(x, y))); });
    dots(painter, stipple, colours::kGreen, onScreen);
}
