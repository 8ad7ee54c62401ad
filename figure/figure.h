#pragma once

#include "choice/choice.h"

#include <QImage>
#include <QWidget>

#include <functional>

// The figure of a complete choice, drawn to scale behind every control at the window's zoom, and
// told in the lesson's words to assistive technology.
class Figure : public QWidget
{
    Q_OBJECT

public:
    explicit Figure(QWidget *parent);

    // After a change of radius the centres and letters go first, under the circles and segment,
    // and Q's dot is the same green as P's.
    void showChoice(const Choice &choice, bool radiusChanged);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void draw(QPainter &painter, bool onScreen) const;

    Choice m_choice;
    bool m_radiusChanged = false;
    // The figure as last drawn for the screen, and the zoom it was drawn at.
    QImage m_drawn;
    double m_drawnZoom = 0;
};

// The stipple: a grid 0.2 cm apart over both circles, column by column from the left, each
// coordinate stepping as a single (so the same dots appear on every machine), each point passed
// on when it lies inside both discs.
void forEachStipplePoint(const Choice &choice, const std::function<void(float x, float y)> &dot);
