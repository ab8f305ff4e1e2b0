#pragma once

#include <array>
#include <cstdint>

namespace qx {

// One control point of a curve: x is a colour difference, y a strength,
// both 0..255 wherever a point enters a store or a project.
struct TCurvePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const TCurvePoint&) const = default;
};

// A curve is five control points; its lookup table has 256 entries.
using TCurvePoints = std::array<TCurvePoint, 5>;
using TCurveTable = std::array<std::int32_t, 256>;

} // namespace qx
