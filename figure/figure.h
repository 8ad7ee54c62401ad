#pragma once

#include "choice/choice.h"

#include <QImage>
#include <QWidget>

#include <functional>

// The figure of a complete choice, drawn to scale behind every control: the circle with centre
// P and radius r1 and the circle with centre Q and radius r2 in red, the segment PQ in blue with
// its length above its middle, the centres as green dots with the red letters P and Q just below
// them, and a green stipple over the region inside both circles. It paints the choice it is
// given, at the window's zoom, and tells assistive technology in the lesson's words what it
// shows.
class Figure : public QWidget
{
    Q_OBJECT

public:
    explicit Figure(QWidget *parent);

    // The figure as a choice of the distance draws it: circles, segment and length first, then
    // the centres and their letters, then the stipple. After a change of radius the centres and
    // letters go first instead, so that the circles and segment lie over them, and Q's dot is
    // the same green as P's.
    void showChoice(const Choice &choice, bool radiusChanged);
    void erase();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The figure in the widget's own pixels; on the screen the dots are stamped on the device's
    // pixel grid, elsewhere (a printer) drawn as round points at the device's resolution.
    void draw(QPainter &painter, bool onScreen) const;

    Choice m_choice;
    bool m_radiusChanged = false;
    // The figure as last drawn for the screen, at the zoom and pixel density it was drawn for.
    QImage m_drawn;
    double m_drawnZoom = 0;
};

// The points of the stipple: a grid 0.2 cm apart from (xP - r1, 13 - r1) to (xQ + r2, 13 + r2),
// column by column from the left and each column from the top, both coordinates stepping as
// singles (so their rounding adds up, and the same dots appear on every machine), each point
// passed on when it lies strictly inside both discs.
void forEachStipplePoint(const Choice &choice, const std::function<void(float x, float y)> &dot);
