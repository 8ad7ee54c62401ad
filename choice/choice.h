#pragma once

#include <QPointF>

#include <optional>

// The rule that holds for two circles whose centres lie `distance` apart, given the sum and the
// absolute difference of their radii, numbered as the lesson numbers its rules:
//   (1) distance = sum: they touch each other externally;
//   (2) distance = difference: they touch each other internally;
//   (3) difference < distance < sum: they intersect each other in two points;
//   (4) distance < difference: one lies inside the other;
//   (5) distance > sum: each lies outside the other.
// The tests run in that order, (5) before (4), and the first that holds wins; for radii of 0 or
// more exactly one holds.
int relationRule(int distance, int sum, int difference);

// What the pupil has chosen so far: the radius r1 of the circle with centre P, the radius r2 of
// the circle with centre Q and the distance PQ of the centres, each in whole centimetres, or not
// chosen yet; and what follows from them. One centimetre of the figure is one centimetre on the
// window's surface.
struct Choice
{
    std::optional<int> r1;
    std::optional<int> r2;
    std::optional<int> distance;

    bool complete() const { return r1 && r2 && distance; }
    int sum() const { return r1.value_or(0) + r2.value_or(0); }
    int difference() const;
    // The rule that holds; only for a complete choice.
    int rule() const { return relationRule(*distance, sum(), difference()); }

    // The centres stand on a line 13 cm from the top, either side of x = 13 cm. For an odd
    // distance they fall on half centimetres. Worked out in double precision and kept as
    // singles, which the stipple's grid steps from.
    static constexpr int kCentreLine = 13;
    static constexpr int kMidpoint = 13;
    float xP() const { return float(kMidpoint - distance.value_or(0) / 2.0); }
    float xQ() const { return float(distance.value_or(0) / 2.0 + kMidpoint); }
    QPointF centreP() const { return {xP(), kCentreLine}; }
    QPointF centreQ() const { return {xQ(), kCentreLine}; }
};

// Whether the point (x, y) of the surface lies strictly inside both discs of a complete choice.
// The arithmetic is the stipple's own, in single precision as its grid steps are, so that the
// same points are dotted on every machine: the differences as singles, their squares and sum in
// extended precision, the root in double precision kept as a single. A point on either circle,
// such as the point where two circles touch, is not inside.
bool insideBothDiscs(const Choice &choice, float x, float y);
