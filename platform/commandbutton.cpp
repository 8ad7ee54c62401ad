#include "platform/commandbutton.h"

#include "platform/colour.h"

#include <QPalette>

namespace platform {

CommandButton::CommandButton(QWidget *parent, const ButtonDesign &design)
    : QPushButton(design.caption, parent), m_rect(design.rect)
{
    setObjectName(QString::fromLatin1(design.name));
    setFont(makeFont(design.font));
    QPalette p = palette();
    p.setColor(QPalette::Button, colourFromBgr(design.back));
    setPalette(p);
    setAttribute(Qt::WA_NoMousePropagation);
    setGeometry(pixelRect(m_rect));
    setVisible(design.visible);
}

void CommandButton::Move(double leftCm, double topCm)
{
    m_rect.left = centimetresToTwips(leftCm);
    m_rect.top = centimetresToTwips(topCm);
    setGeometry(pixelRect(m_rect));
}

} // namespace platform
