#pragma once

namespace platform {
class Shape;
}

// The three nested frames round the lesson area follow the middle one (Shape1): the inner one
// 0.25 cm lower and the outer one 0.4 cm higher, each worked out from the height the middle one
// actually took.
void setFrameHeights(platform::Shape &shape1, platform::Shape &shape2, platform::Shape &shape3,
                     double shape1Height);

// Heights of the middle frame: full round the introduction and the figure, short while only the
// radii are asked for.
inline constexpr double kFullFrameHeight = 17.595;
inline constexpr double kShortFrameHeight = 7.595;
