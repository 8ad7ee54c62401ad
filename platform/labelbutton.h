#pragma once

#include "platform/colours.h"

#include <QAbstractButton>
#include <QMouseEvent>

// A button that looks like a word-wrapped label, with a focus ring only for the keyboard. A
// double-click is one click: its second press would land on the button the first put there.
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
