#pragma once

#include <QString>

#include <functional>

struct Choice;
class Surface;
class QColor;
class QWidget;

// The figure of a complete choice, drawn to scale on the window's surface: the circle with
// centre P and radius r1 and the circle with centre Q and radius r2 in red, the segment PQ in
// blue with its length above its middle, the centres as green dots with the red letters P and Q
// just below them, and a green stipple over the region inside both circles.
//
// A stand-in widget over the figure's area tells assistive technology, in the lesson's words,
// what is drawn.
class Figure
{
public:
    Figure(Surface &surface, QWidget *accessibleArea);

    // After a distance choice: the centres placed afresh, circles, segment and length first,
    // then the centres and their letters, then the stipple.
    void drawAfterDistanceChoice(const Choice &choice);
    // After a radius choice: the same figure around the same centres, the centres and letters
    // drawn first so that the circles and segment lie over them. Nothing before a distance.
    void redrawAfterRadiusChoice(const Choice &choice);
    void erase();

private:
    void drawCirclesAndSegment(const Choice &choice);
    void drawLength(const Choice &choice);
    void drawCentre(QChar letter, float x, const QColor &dot);
    void drawStipple(const Choice &choice);
    void describe(const Choice &choice);

    Surface &m_surface;
    QWidget *m_accessibleArea;
};

// The points of the stipple: a grid 0.2 cm apart from (xP - r1, 13 - r1) to (xQ + r2, 13 + r2),
// column by column from the left and each column from the top, both coordinates stepping as
// singles (so their rounding adds up, and the same dots appear on every machine), each point
// passed on when it lies strictly inside both discs.
void forEachStipplePoint(const Choice &choice, const std::function<void(float x, float y)> &dot);
