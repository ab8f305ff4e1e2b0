#include "imaging/ImageFunctions.h"

#include "imaging/Halftone.h"

#include <algorithm>
#include <array>
#include <vector>

namespace qx {

namespace {

constexpr int kWorkSize = 256;
constexpr int kChartWidth = 257;
constexpr int kChartHeight = 128;

// Byte offsets within a B, G, R pixel that each channel number counts.
const std::array<std::vector<int>, 4> kCountedBytes = {{{2, 1, 0}, {2}, {1}, {0}}};

std::array<int, 256> CountValues(const TBitmap24& work, int channel)
{
    std::array<int, 256> counts{};
    if (channel < 0 || channel >= static_cast<int>(kCountedBytes.size()))
        return counts;
    const std::vector<int>& bytes = kCountedBytes[static_cast<std::size_t>(channel)];
    for (int y = 0; y < work.Height(); ++y) {
        const std::uint8_t* p = work.ScanLine(y);
        for (int x = 0; x < work.Width(); ++x, p += 3)
            for (const int b : bytes)
                ++counts[p[b]];
    }
    return counts;
}

// Bars of the counts scaled to the chart's full height, black on white,
// value i in column i + 1.
TBitmap24 HistogramChart(const TBitmap24& work, int channel)
{
    const std::array<int, 256> counts = CountValues(work, channel);
    const int highest = *std::max_element(counts.begin(), counts.end());
    TBitmap24 chart(kChartWidth, kChartHeight);
    chart.Clear(Color32(255, 255, 255));
    for (int i = 0; i < 256; ++i) {
        const int bar = highest > 0 ? counts[i] * kChartHeight / highest : 0;
        for (int j = 1; j <= bar; ++j)
            chart.SetPixel(i + 1, kChartHeight - j, Color32(0, 0, 0));
    }
    return chart;
}

// Counting from a fixed reduction keeps the cost independent of the
// source's size.
template <typename Source>
TBitmap24 WorkPicture(const Source& source)
{
    TBitmap24 work(kWorkSize, kWorkSize);
    HalftoneResample(source, work);
    return work;
}

} // namespace

void DrawHistogram(const TBitmap24& source, TBitmap24& target, int channel)
{
    HalftoneResample(HistogramChart(WorkPicture(source), channel), target);
}

void DrawHistogram32(TBitmap24& target, const TBitmap32& source, int channel)
{
    const TBitmap24 chart = HistogramChart(WorkPicture(source), channel);
    target.SetSize(128, 48);
    HalftoneResample(chart, target);
}

} // namespace qx
