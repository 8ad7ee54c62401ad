#pragma once

#include <QAbstractButton>

// A button that looks like a plain text label: no bevel, just its caption, drawn exactly as a
// word-wrapped QLabel draws it. It is a real button to the keyboard and to assistive
// technology: Tab reaches it, Space and Enter press it, and it shows a focus ring only when the
// focus came from the keyboard, so that the mouse user's window looks the same as ever.
//
// A double-click is one click: the second press of a double-click lands on whatever button the
// first click put in its place, and must not press that one too.
class LabelButton : public QAbstractButton
{
    Q_OBJECT

public:
    LabelButton(const QString &text, QWidget *parent);

    void setTextColour(const QColor &colour);
    void setBold(bool bold);
    // While clicked() is being handled: whether the click came from the mouse rather than from
    // the keyboard or an assistive tool. A page change moves the keyboard focus only for the
    // latter, so that the mouse user's window looks the same as ever.
    bool clickedByMouse() const { return m_mouseClick; }

signals:
    // The mouse moved over the button.
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
