#include "window/frames.h"

#include "platform/shape.h"

void setFrameHeights(platform::Shape &shape1, platform::Shape &shape2, platform::Shape &shape3,
                     double shape1Height)
{
    shape1.setHeight(shape1Height);
    shape2.setHeight(shape1.Height() - 0.25);
    shape3.setHeight(shape1.Height() + 0.4);
}
