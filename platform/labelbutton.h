#pragma once

#include "platform/colours.h"

#include <QAbstractButton>
#include <QMouseEvent>

// A word-wrapped label as a button; a double-click is one (its second press would hit the next).
class LabelButton : public QAbstractButton
{
    Q_OBJECT

public:
    LabelButton(const QString &text, QWidget *parent);

    void setTextColour(const QColor &colour) { colours::set(this, QPalette::WindowText, colour); }
    void setBold(bool bold);
    // While clicked() is handled.
    bool clickedByMouse() const { return m_mouseClick; }

signals:
    void hovered();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override { event->accept(); }
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool m_mouseClick = false;
};
