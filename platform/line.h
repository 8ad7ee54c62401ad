#pragma once

#include <QWidget>

namespace platform {

struct LineDesign
{
    const char *name;
    double x1, y1, x2, y2; // twips, in the parent's coordinates
    quint32 colour = 0x80000008;
    int width = 1;
    bool visible = true;
};

// A straight line of the design. It is only a stroke: the mouse passes through it.
class Line : public QWidget
{
    Q_OBJECT

public:
    Line(QWidget *parent, const LineDesign &design);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointF m_from;
    QPointF m_to;
    QColor m_colour;
    int m_width;
};

} // namespace platform
