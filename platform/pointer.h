#pragma once

#include <QWidget>

namespace platform {

// The mouse pointer a control shows: the ordinary arrow, or the hand of a label button.
enum class Pointer
{
    Default,
    Arrow,
    Hand
};

inline void applyPointer(QWidget *widget, Pointer pointer)
{
    if (pointer == Pointer::Hand)
        widget->setCursor(Qt::PointingHandCursor);
    else if (pointer == Pointer::Arrow)
        widget->setCursor(Qt::ArrowCursor);
}

} // namespace platform
