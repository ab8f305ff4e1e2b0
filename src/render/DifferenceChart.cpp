#include "render/DifferenceChart.h"

#include "render/PixelFont.h"

#include <algorithm>
#include <cstdint>
#include <functional>

namespace qx {

namespace {

constexpr int kPlotWidth = 200;
constexpr int kBaseline = 256;
constexpr int kGridLines = 25;
constexpr int kGridStep = 10;

constexpr TColor32 kGrey = Color32(0x80, 0x80, 0x80);
constexpr TColor32 kWhite = Color32(0xFF, 0xFF, 0xFF);
constexpr TColor32 kBlack = Color32(0, 0, 0);
constexpr TColor32 kLime = Color32(0, 0xFF, 0);

// Lines follow the raster rule: the start is painted, the end is not.
void VerticalLine(TBitmap32& bitmap, int x, int fromY, int toY, TColor32 color)
{
    const int step = toY > fromY ? 1 : -1;
    for (int y = fromY; y != toY; y += step)
        bitmap.SetPixel(x, y, color);
}

void HorizontalLine(TBitmap32& bitmap, int fromX, int toX, int y, TColor32 color)
{
    const int step = toX > fromX ? 1 : -1;
    for (int x = fromX; x != toX; x += step)
        bitmap.SetPixel(x, y, color);
}

} // namespace

TBitmap32 DrawDifferenceChart(std::vector<std::int32_t> values)
{
    TBitmap32 chart(kChartWidth, kChartHeight);
    chart.Clear(kGrey);
    chart.FillRect({0, 0, kPlotWidth, kBaseline}, kWhite);
    std::sort(values.begin(), values.end(), std::greater<>());
    DrawPixelText(chart, 20, 10, "Final Difference", kBlack);
    const auto n = static_cast<std::int64_t>(values.size());
    if (n > 0)
        for (int m = 0; m < kPlotWidth; ++m) {
            const std::int32_t v = values[static_cast<std::size_t>(n * m / kPlotWidth)];
            // Values outside 0..255 come only from edited files; the bound
            // keeps the loop short, and the bitmap drops what lies outside.
            VerticalLine(chart, m, kBaseline, kBaseline - std::clamp(v, -kChartHeight, kChartHeight), kLime);
        }
    for (int m = 1; m <= kGridLines; ++m)
        HorizontalLine(chart, 0, kPlotWidth, kBaseline - kGridStep * m, kBlack);
    return chart;
}

} // namespace qx
