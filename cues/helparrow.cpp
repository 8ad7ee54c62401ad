#include "cues/helparrow.h"

#include "platform/colours.h"
#include "platform/design.h"
#include "platform/richtext.h"

#include <QPainter>

namespace {

struct Edge
{
    double x1, y1, x2, y2; // twips within the panel
    quint32 colour;
    int width;
};

// In the order they are drawn: the later ones lie over the earlier ones.
const Edge kEdges[] = {
    {2520, -120, 3600, 600, 0x00FF00FF, 1}, {2520, 1200, 3600, 600, 0x00004000, 2},
    {2520, -120, 2520, 120, 0x00FF00FF, 1}, {2520, 1200, 2520, 960, 0x00004000, 2},
    {0, 120, 2520, 120, 0x00FF00FF, 1},     {0, 960, 2520, 960, 0x00004000, 2},
    {0, 120, 0, 960, 0x00004000, 2},
};

constexpr int kHintFlags =
    Qt::AlignTop | Qt::AlignLeft | Qt::TextWordWrap | Qt::TextForceLeftToRight;

QString hintText()
{
    //: The help arrow's hint, drawn in at most two lines beside the three lists it points at.
    return HelpArrow::tr("Double Click any of these 3 buttons and turn mouse wheel.");
}

QFont hintFont()
{
    return design::font("Times New Roman", 12, true);
}

QRect hintBox()
{
    return design::pixelRect({120, 240, 3255, 735});
}

} // namespace

HelpArrow::HelpArrow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("helpArrow"));
    design::place(this, QRectF(8040, 720, 3615, 1335));
    colours::set(this, QPalette::Window, colours::kPaleGreen);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
    setAccessibleName(hintText());
    hide();
}

QSize HelpArrow::hintOverflow() const
{
    return richtext::overflow(hintFont(), hintBox(), kHintFlags, hintText());
}

// Only slanting edges are smoothed.
void HelpArrow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(hintFont());
    painter.setPen(QColor(colours::fromBgr(0x00C000C0)));
    painter.drawText(hintBox(), kHintFlags, hintText());
    for (const Edge &edge : kEdges) {
        const QPointF from(design::twipsToPixels(edge.x1), design::twipsToPixels(edge.y1));
        const QPointF to(design::twipsToPixels(edge.x2), design::twipsToPixels(edge.y2));
        painter.setRenderHint(QPainter::Antialiasing, from.x() != to.x() && from.y() != to.y());
        painter.setPen(QPen(QColor(colours::fromBgr(edge.colour)), design::strokeWidth(edge.width),
                            Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(from, to);
    }
}
