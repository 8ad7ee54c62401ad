#pragma once

#include <QPointF>

#include <cstdlib>
#include <optional>

// The rule that holds: (1) PQ = sum, (2) = difference, (3) between, (4) below, (5) above.
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

// Strictly inside both discs (not on a circle), in the stipple's arithmetic: alike on any machine.
bool insideBothDiscs(const Choice &choice, float x, float y);
