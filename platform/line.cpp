#include "platform/line.h"

#include "platform/colour.h"
#include "platform/twips.h"

#include <QPainter>
#include <QPen>

namespace platform {

Line::Line(QWidget *parent, const LineDesign &design)
    : QWidget(parent), m_colour(colourFromBgr(design.colour)), m_width(design.width)
{
    setObjectName(QString::fromLatin1(design.name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPointF from(twipsToPixels(design.x1), twipsToPixels(design.y1));
    const QPointF to(twipsToPixels(design.x2), twipsToPixels(design.y2));
    // The widget covers the stroke's bounding box; the parent clips whatever lies outside it.
    const QRect box = QRectF(from, to).normalized().toAlignedRect().adjusted(-m_width, -m_width,
                                                                             m_width, m_width);
    setGeometry(box);
    m_from = from - box.topLeft();
    m_to = to - box.topLeft();
    setVisible(design.visible);
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_from.x() != m_to.x() && m_from.y() != m_to.y());
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_from, m_to);
}

} // namespace platform
