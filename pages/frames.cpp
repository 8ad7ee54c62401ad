#include "pages/frames.h"

#include "platform/colours.h"
#include "platform/design.h"

#include <QPainter>

namespace {

struct Outline
{
    double left, top, width, height; // twips as designed
    double heightFromMiddle;         // cm added to the middle frame's height
    quint32 colour;
    int penWidth;
};

const Outline kOutlines[] = {
    {480, 600, 14295, 9975, 0, 0x0000683C, 4},     // middle
    {540, 660, 14160, 9840, -0.25, 0x00808000, 1}, // inner
    {360, 480, 14550, 10230, 0.4, 0x0000683C, 1},  // outer
};

} // namespace

Frames::Frames(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    design::place(this, QRectF(QPointF(0, 0), design::kClientTwips));
}

void Frames::setMiddleHeight(double cm)
{
    m_middle = float(cm);
    update();
}

void Frames::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const Outline &outline : kOutlines) {
        const double height = m_middle ? float(double(*m_middle) + outline.heightFromMiddle) *
                                             design::kTwipsPerCentimetre
                                       : outline.height;
        const QRect box = design::pixelRect(outline.left, outline.top, outline.width, height);
        // A wide border lies inside the rectangle.
        const int width = design::strokeWidth(outline.penWidth);
        const qreal half = width / 2.0;
        painter.setPen(QPen(QColor(colours::fromBgr(outline.colour)), width, Qt::SolidLine,
                            Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(box).adjusted(half, half, -half, -half));
    }
}
