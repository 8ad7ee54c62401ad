#include "platform/shape.h"

#include "platform/colour.h"

#include <QPainter>
#include <QPen>

namespace platform {

Shape::Shape(QWidget *parent, const ShapeDesign &design)
    : QWidget(parent), m_rect(design.rect), m_border(colourFromBgr(design.border)),
      m_borderWidth(design.borderWidth), m_heightCm(float(twipsToCentimetres(design.rect.height)))
{
    setObjectName(QString::fromLatin1(design.name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(pixelRect(m_rect));
    setVisible(design.visible);
}

double Shape::Height() const
{
    return m_heightCm;
}

void Shape::setHeight(double cm)
{
    // The window keeps sizes as singles; reading one back gives the single.
    m_heightCm = float(cm);
    m_rect.height = centimetresToTwips(m_heightCm);
    setGeometry(pixelRect(m_rect));
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // A wide border lies inside the rectangle, as the design draws it.
    const qreal half = m_borderWidth / 2.0;
    painter.setPen(QPen(m_border, m_borderWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

} // namespace platform
