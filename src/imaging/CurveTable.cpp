#include "imaging/CurveTable.h"

#include <algorithm>

namespace qx {

void ClampCurvePoints(TCurvePoints& points)
{
    for (TCurvePoint& p : points) {
        p.x = std::clamp(p.x, 0, 255);
        p.y = std::clamp(p.y, 0, 255);
    }
}

void SortCurvePoints(TCurvePoints& points)
{
    std::stable_sort(points.begin(), points.end(),
                     [](const TCurvePoint& a, const TCurvePoint& b) { return a.x < b.x; });
}

namespace {

void FillFlat(TCurveTable& table, int from, int to, std::int32_t value)
{
    std::fill(table.begin() + from, table.begin() + to + 1, value);
}

void FillSegment(TCurveTable& table, const TCurvePoint& a, const TCurvePoint& b)
{
    const double rise = b.y - a.y;
    const double run = b.x - a.x;
    for (int i = a.x; i <= b.x; ++i)
        table[i] = static_cast<std::int32_t>(rise * (i - a.x) / run + a.y);
}

} // namespace

TCurveTable BuildCurveTable(const TCurvePoints& points)
{
    // Sorting before clamping keeps the order of points that only become
    // equal through clamping, as the editor shows them.
    TCurvePoints p = points;
    SortCurvePoints(p);
    ClampCurvePoints(p);

    TCurveTable table{};
    if (p.front().x > 0)
        FillFlat(table, 0, p.front().x, p.front().y);
    for (std::size_t k = 0; k + 1 < p.size(); ++k) {
        if (p[k].x != p[k + 1].x)
            FillSegment(table, p[k], p[k + 1]);
    }
    // Only below 255: with several points at 255 the last segment's end
    // value stands, not the last point's.
    if (p.back().x < 255)
        FillFlat(table, p.back().x, 255, p.back().y);
    return table;
}

} // namespace qx
