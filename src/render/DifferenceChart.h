#pragma once

#include "imaging/TBitmap32.h"

#include <cstdint>
#include <vector>

namespace qx {

inline constexpr int kChartWidth = 250;
inline constexpr int kChartHeight = 300;

// The chart of the final cell differences: a grey picture with a white plot
// of 200 x 256 pixels at its top-left, the caption "Final Difference", for
// each of the 200 columns a lime bar of the value at that share of the
// values sorted from largest to smallest (none for no values), and a black
// grid line every 10 levels. Values are taken in any order.
TBitmap32 DrawDifferenceChart(std::vector<std::int32_t> values);

} // namespace qx
