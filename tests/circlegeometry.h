#pragma once

// An independent account of how two circles lie, for checking the lesson against: it solves the
// two circle equations instead of comparing the distance with the sum and difference of the
// radii. Circle P: x² + y² = r1²; circle Q: (x - d)² + y² = r2², d = PQ.
//
// Subtracting the equations gives x = (d² + r1² - r2²) / (2d), and then y² = r1² - x². Scaled by
// 4d² everything stays in exact integers: the number of real solutions is the number of common
// points. Whether one circle lies inside the other is decided by a point of the circle: the
// point of circle Q farthest from P, and the point of circle P farthest from Q.

#include <cstdlib>

namespace circlegeometry {

// Relation numbers as the lesson's rules name them.
enum Relation {
    TouchExternally = 1,
    TouchInternally = 2,
    IntersectTwice = 3,
    OneInsideOther = 4,
    EachOutsideOther = 5,
};

// -1 stands for infinitely many (the circles coincide).
inline int commonPoints(long long r1, long long r2, long long d)
{
    if (d == 0)
        return r1 == r2 ? -1 : 0;
    const long long X = d * d + r1 * r1 - r2 * r2; // 2d · x
    const long long Y2 = 4 * d * d * r1 * r1 - X * X; // 4d² · y²
    return Y2 > 0 ? 2 : Y2 == 0 ? 1 : 0;
}

// Whether the point (x, 0) lies strictly inside the circle with centre (cx, 0) and radius r.
inline bool strictlyInside(long long x, long long cx, long long r)
{
    return (x - cx) * (x - cx) < r * r;
}

inline bool insideOrOn(long long x, long long cx, long long r)
{
    return (x - cx) * (x - cx) <= r * r;
}

inline Relation relation(long long r1, long long r2, long long d)
{
    const int points = commonPoints(r1, r2, d);
    if (points == -1)
        return TouchInternally; // coinciding circles touch everywhere, from inside
    // Q's farthest point from P lies on the positive side, P's farthest point from Q on the
    // negative side (d >= 0).
    const bool qWithinP = insideOrOn(d + r2, 0, r1);
    const bool pWithinQ = insideOrOn(-r1, d, r2);
    if (points == 2)
        return IntersectTwice;
    if (points == 1)
        return qWithinP || pWithinQ ? TouchInternally : TouchExternally;
    return qWithinP || pWithinQ ? OneInsideOther : EachOutsideOther;
}

} // namespace circlegeometry
