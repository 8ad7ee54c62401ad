#include "platform/integer16.h"

#include "platform/runtimeerror.h"

#include <limits>

namespace platform {

qint16 toInt16(long long value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        raiseOverflow();
    return qint16(value);
}

qint16 add16(qint16 a, qint16 b)
{
    return toInt16(static_cast<long long>(a) + b);
}

qint16 subtract16(qint16 a, qint16 b)
{
    return toInt16(static_cast<long long>(a) - b);
}

qint16 abs16(qint16 a)
{
    return toInt16(a < 0 ? -static_cast<long long>(a) : static_cast<long long>(a));
}

} // namespace platform
