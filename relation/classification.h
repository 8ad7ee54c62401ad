#pragma once

#include <QtGlobal>

// The number (1 to 5) of the rule that holds for two circles whose centres lie pq apart, given
// the sum and the absolute difference of their radii:
//   (1) pq = sum: they touch externally;
//   (2) pq = difference: they touch internally;
//   (3) difference < pq < sum: they intersect in two points;
//   (4) pq < difference: one lies inside the other;
//   (5) pq > sum: each lies outside the other.
// The tests run in that order of the lesson, (5) before (4), and the first that holds wins; for
// radii of 0 or more exactly one holds.
int relationRule(qint16 pq, qint16 sum, qint16 difference);
