#include "platform/labelbutton.h"

#include <QKeyEvent>
#include <QPainter>

LabelButton::LabelButton(const QString &text, QWidget *parent) : QAbstractButton(parent)
{
    setText(text);
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    setFocusPolicy(Qt::TabFocus);
}

void LabelButton::setBold(bool bold)
{
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void LabelButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int flags = Qt::AlignTop | Qt::AlignHCenter | Qt::TextWordWrap | Qt::TextForceLeftToRight;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), flags, text());
    // A dotted ring, plain to see on the pale window.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void LabelButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return click();
    QAbstractButton::keyPressEvent(event);
}

void LabelButton::mouseReleaseEvent(QMouseEvent *event)
{
    m_mouseClick = true;
    QAbstractButton::mouseReleaseEvent(event);
    m_mouseClick = false;
}

void LabelButton::mouseMoveEvent(QMouseEvent *event)
{
    emit hovered();
    QAbstractButton::mouseMoveEvent(event);
}
