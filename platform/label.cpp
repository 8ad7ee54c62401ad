#include "platform/label.h"

#include "platform/colour.h"

#include <QMouseEvent>
#include <QPalette>

namespace platform {

Label::Label(QWidget *parent, const LabelDesign &design)
    : QLabel(parent), m_rect(design.rect), m_fore(design.fore), m_back(design.back)
{
    setObjectName(QString::fromLatin1(design.name));
    setText(design.caption);
    setTextFormat(Qt::PlainText);
    setFont(makeFont(design.font));
    setWordWrap(true);
    setMargin(0);
    setIndent(0);
    setAlignment(Qt::AlignTop | (design.align == Align::Centre  ? Qt::AlignHCenter
                                 : design.align == Align::Right ? Qt::AlignRight
                                                                : Qt::AlignLeft));
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    applyPointer(this, design.pointer);
    setForeColor(m_fore);
    if (m_back)
        setBackColor(*m_back);
    applyRect();
    setVisible(design.visible);
}

void Label::setForeColor(quint32 colour)
{
    m_fore = colour;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colourFromBgr(colour));
    setPalette(p);
}

void Label::setBackColor(quint32 colour)
{
    m_back = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, colourFromBgr(colour));
    setPalette(p);
    setAutoFillBackground(true);
}

void Label::setFontName(const QString &face)
{
    QFont f = font();
    f.setFamily(face);
    setFont(f);
}

void Label::setFontSize(double points)
{
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

void Label::setFontBold(bool bold)
{
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void Label::setFontUnderline(bool underline)
{
    QFont f = font();
    f.setUnderline(underline);
    setFont(f);
}

double Label::Left() const
{
    return twipsToCentimetres(m_rect.left);
}

double Label::Top() const
{
    return twipsToCentimetres(m_rect.top);
}

void Label::setLeft(double cm)
{
    m_rect.left = centimetresToTwips(cm);
    applyRect();
}

void Label::setTop(double cm)
{
    m_rect.top = centimetresToTwips(cm);
    applyRect();
}

void Label::applyRect()
{
    setGeometry(pixelRect(m_rect));
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release on the label.
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void Label::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}

} // namespace platform
