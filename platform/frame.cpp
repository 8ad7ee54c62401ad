#include "platform/frame.h"

#include "platform/colour.h"

#include <QPalette>

namespace platform {

Frame::Frame(QWidget *parent, const FrameDesign &design) : QWidget(parent)
{
    setObjectName(QString::fromLatin1(design.name));
    QPalette p = palette();
    p.setColor(QPalette::Window, colourFromBgr(design.back));
    setPalette(p);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
    setGeometry(pixelRect(design.rect));
    setVisible(design.visible);
}

} // namespace platform
