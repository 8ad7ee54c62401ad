#include "choice/choice.h"

#include <cmath>

int relationRule(int distance, int sum, int difference)
{
    if (distance == sum)
        return 1;
    if (distance == difference)
        return 2;
    return distance > sum ? 5 : distance < difference ? 4 : 3;
}

namespace {

float offset(long double from, float to)
{
    return float(from - static_cast<long double>(to));
}

float length(float dx, float dy)
{
    const long double sum = static_cast<long double>(dx) * dx + static_cast<long double>(dy) * dy;
    return float(std::sqrt(double(sum)));
}

} // namespace

bool insideBothDiscs(const Choice &choice, float x, float y)
{
    const float dy = offset(Choice::kCentreLine, y);
    const float fromP = length(offset(choice.xP(), x), dy);
    const float fromQ = length(offset(choice.xQ(), x), dy);
    return fromP < float(*choice.r1) && fromQ < float(*choice.r2);
}
