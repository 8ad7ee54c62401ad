#include "figure/commonregion.h"

#include "platform/integer16.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The grid step, a single-precision constant.
constexpr float kStep = 0.2f;

// A coordinate difference as the scan keeps it: worked out in extended precision, stored as a
// single. Rounding keeps the order of values, so the offset falls as `to` grows.
float offset(long double from, float to)
{
    return float(from - static_cast<long double>(to));
}

float distance(float dx, float dy)
{
    const long double sum = static_cast<long double>(dx) * dx + static_cast<long double>(dy) * dy;
    return float(std::sqrt(double(sum)));
}

} // namespace

CentreDistances distancesFromCentres(float x, float y, float xP, float xQ, qint16 yCentres)
{
    const float dy = offset(yCentres, y);
    const float dxP = offset(xP, x);
    const float dxQ = offset(xQ, x);
    return {distance(dxP, dy), distance(dxQ, dy)};
}

bool insideBothDiscs(const CentreDistances &distances, qint16 r1, qint16 r2)
{
    return distances.dP < float(r1) && distances.dQ < float(r2);
}

bool insideBothDiscs(float x, float y, float xP, float xQ, qint16 yCentres, qint16 r1, qint16 r2)
{
    return insideBothDiscs(distancesFromCentres(x, y, xP, xQ, yCentres), r1, r2);
}

void scanCommonRegion(const CommonRegionFigure &figure, ScanValues &values,
                      const std::function<void(float x, float y)> &dot)
{
    const float xEnd = float(static_cast<long double>(figure.r2) + figure.xQ);
    const float xStart = float(static_cast<long double>(figure.xP) - figure.r1);
    const float r1 = figure.r1;
    const float r2 = figure.r2;
    const float smallerRadius = std::min(r1, r2);

    // Every column runs over the same rows, so they are stepped out once. A point at least as
    // far from a centre as that circle's radius in x or in y alone is at least that far in
    // distance (squares, sums, the root and each rounding all keep the order of values), so it
    // is not strictly inside the circle: such columns and rows are not worked out in full.
    std::vector<float> rows;
    float yAfterRows = 0;
    bool rowsKnown = false;
    bool anyColumn = false;
    float lastColumn = 0;

    for (values.xScan = xStart; values.xScan <= xEnd; values.xScan += kStep) {
        const float yStart = float(platform::subtract16(figure.yCentres, figure.r1));
        const float yEnd = float(platform::add16(figure.yCentres, figure.r2));
        if (!rowsKnown) {
            float y = yStart;
            for (; y <= yEnd; y += kStep)
                rows.push_back(y);
            yAfterRows = y;
            rowsKnown = true;
        }
        values.yScan = yAfterRows;
        anyColumn = true;
        lastColumn = values.xScan;

        const float x = values.xScan;
        if (!(std::fabs(offset(figure.xP, x)) < r1 && std::fabs(offset(figure.xQ, x)) < r2))
            continue;
        const auto first = std::partition_point(rows.begin(), rows.end(), [&](float y) {
            return offset(figure.yCentres, y) >= smallerRadius;
        });
        const auto last = std::partition_point(first, rows.end(), [&](float y) {
            return offset(figure.yCentres, y) > -smallerRadius;
        });
        for (auto row = first; row != last; ++row) {
            const CentreDistances distances =
                distancesFromCentres(x, *row, figure.xP, figure.xQ, figure.yCentres);
            if (insideBothDiscs(distances, figure.r1, figure.r2))
                dot(x, *row);
        }
    }

    // The distances stand as the last grid point of the last column left them.
    if (anyColumn && !rows.empty()) {
        const CentreDistances last =
            distancesFromCentres(lastColumn, rows.back(), figure.xP, figure.xQ, figure.yCentres);
        values.dP = last.dP;
        values.dQ = last.dQ;
    }
}
