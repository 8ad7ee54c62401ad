#pragma once

#include <QtGlobal>

#include <functional>

// The common region of the two discs is shown as a stipple: a grid of points 0.2 cm apart over
// the figure, each dotted when it lies strictly inside both circles. The grid and the distances
// are worked out in single precision, step by step as the lesson always has, so that the same
// points are dotted on every machine; these functions are that arithmetic, apart from drawing.

// Distances of a grid point from the centres P (xP, yCentres) and Q (xQ, yCentres): the
// differences as singles, their squares and sum in extended precision, the root of that sum
// taken in double precision and kept as a single.
struct CentreDistances
{
    float dP = 0;
    float dQ = 0;
};

CentreDistances distancesFromCentres(float x, float y, float xP, float xQ, qint16 yCentres);

// Strictly inside both: dP < r1 and dQ < r2, compared in single precision. A point on either
// circle, such as the point where two circles touch, is not inside.
bool insideBothDiscs(const CentreDistances &distances, qint16 r1, qint16 r2);
bool insideBothDiscs(float x, float y, float xP, float xQ, qint16 yCentres, qint16 r1, qint16 r2);

// The figure the scan runs over.
struct CommonRegionFigure
{
    float xP = 0;
    float xQ = 0;
    qint16 yCentres = 0;
    qint16 r1 = 0;
    qint16 r2 = 0;
};

// The window's working values of the scan, left as the last grid step leaves them.
struct ScanValues
{
    float xScan = 0;
    float yScan = 0;
    float dP = 0;
    float dQ = 0;
};

// Runs over the grid from (xP - r1, yCentres - r1) to (xQ + r2, yCentres + r2), column by
// column from the left and each column from the top, both coordinates advancing by 0.2 as
// singles (so their rounding adds up), and calls dot(x, y) for every grid point strictly inside
// both discs, in that order. The bounds yCentres - r1 and yCentres + r2 are 16-bit sums: an
// overflow raises the window's overflow error at the first column.
//
// Whole columns, and the rows of a column, that cannot lie inside both discs are passed over
// without working out their distances; the points dotted and the working values at the end are
// those of the full grid, only reached quicker. A distance typed into the list can put the
// centres 32767 cm apart: the scan then runs over 160 000 empty columns, which must not hold
// up the window.
void scanCommonRegion(const CommonRegionFigure &figure, ScanValues &values,
                      const std::function<void(float x, float y)> &dot);
