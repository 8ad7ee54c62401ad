#pragma once

#include "platform/twips.h"

#include <QWidget>

namespace platform {

struct ShapeDesign
{
    const char *name;
    TwipsRect rect;
    quint32 border;
    int borderWidth = 1;
    bool visible = true;
};

// A rectangle outline with a transparent inside. Only its stroke is drawn, and the mouse passes
// through it.
class Shape : public QWidget
{
    Q_OBJECT

public:
    Shape(QWidget *parent, const ShapeDesign &design);

    double Height() const;
    void setHeight(double cm);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TwipsRect m_rect;
    QColor m_border;
    int m_borderWidth;
    float m_heightCm;
};

} // namespace platform
