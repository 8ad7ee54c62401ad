#pragma once

#include <QAbstractButton>

// A button that looks like a word-wrapped label: no bevel, just its caption. To the keyboard and
// assistive technology it is a real button, with a focus ring only when the focus came from the
// keyboard, so that the mouse user's window looks the same as ever. A double-click is one click:
// its second press lands on whatever button the first put in its place, and must not press it.
class LabelButton : public QAbstractButton
{
    Q_OBJECT

public:
    LabelButton(const QString &text, QWidget *parent);

    void setTextColour(const QColor &colour);
    void setBold(bool bold);
    // While clicked() is handled; a page change moves the keyboard focus only for a click that
    // did not come from the mouse.
    bool clickedByMouse() const { return m_mouseClick; }

signals:
    void hovered();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool m_mouseClick = false;
};
