#pragma once

#include "choice/choice.h"

#include <QImage>
#include <QWidget>

#include <functional>

// The figure of a complete choice, drawn to scale behind every control, and told in words.
class Figure : public QWidget
{
    Q_OBJECT

public:
    explicit Figure(QWidget *parent);

    // After a change of radius the centres and letters go under the circles; Q's dot is P's green.
    void showChoice(const Choice &choice, bool radiusChanged);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void draw(QPainter &painter, bool onScreen) const;

    Choice m_choice;
    bool m_radiusChanged = false;
    QImage m_drawn;
};

// The stipple's grid points inside both discs, stepping in singles: the same dots on any machine.
void forEachStipplePoint(const Choice &choice, const std::function<void(float x, float y)> &dot);
