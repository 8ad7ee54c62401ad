#pragma once

#include <QtGlobal>

namespace platform {

// The window keeps its values as 16-bit signed integers, and its arithmetic raises an overflow
// error instead of wrapping round.
qint16 add16(qint16 a, qint16 b);
qint16 subtract16(qint16 a, qint16 b);
qint16 abs16(qint16 a);

// A whole number that must fit 16 bits (for instance a number of copies); overflow otherwise.
qint16 toInt16(long long value);

} // namespace platform
