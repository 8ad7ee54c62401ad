#pragma once

#include <QPointF>

#include <cstdlib>
#include <optional>

// The rule that holds, numbered as the lesson's: (1) distance = sum, (2) = difference of the radii,
// (3) between, (4) below the difference, (5) above the sum; tested in that order, (5) before (4).
int relationRule(int distance, int sum, int difference);

// In whole centimetres.
struct Choice
{
    std::optional<int> r1;
    std::optional<int> r2;
    std::optional<int> distance;

    bool complete() const { return r1 && r2 && distance; }
    // Only for a complete choice.
    int rule() const { return relationRule(*distance, *r1 + *r2, std::abs(*r1 - *r2)); }

    // The centres stand either side of (13 cm, 13 cm), on half centimetres for an odd distance.
    // Worked out in double precision and kept as singles, which the stipple's grid steps from.
    static constexpr int kCentreLine = 13;
    static constexpr int kMidpoint = 13;
    float xP() const { return float(kMidpoint - distance.value_or(0) / 2.0); }
    float xQ() const { return float(distance.value_or(0) / 2.0 + kMidpoint); }
    QPointF centreP() const { return {xP(), kCentreLine}; }
    QPointF centreQ() const { return {xQ(), kCentreLine}; }
};

// Whether (x, y) lies strictly inside both discs of a complete choice (a point on a circle is
// outside), in the stipple's own arithmetic, so that every machine dots the same points.
bool insideBothDiscs(const Choice &choice, float x, float y);
