#include "imaging/ImageFunctions.h"

#include "common/QuiltixError.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

namespace qx {

namespace {

using ChannelTable = std::array<std::uint8_t, 256>;

struct GrayWeights {
    long double Red;
    long double Green;
    long double Blue;
};

// Weight sets 1..4. Their floors are taken per channel, so white comes out
// slightly below 255 (254 for sets 1 and 2, 253 for 3 and 4).
constexpr std::array<GrayWeights, 4> kGrayWeightSets = {{
    {0.299L, 0.587L, 0.114L},
    {0.45L, 0.35L, 0.2L},
    {0.3588L, 0.402L, 0.2392L},
    {0.333L, 0.334L, 0.333L},
}};

ChannelTable FloorTable(long double weight)
{
    ChannelTable table{};
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<std::uint8_t>(std::floor(static_cast<long double>(i) * weight));
    return table;
}

ChannelTable ShiftTable(int shift)
{
    ChannelTable table{};
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<std::uint8_t>(ClampByte(i + shift));
    return table;
}

// Makes every pixel opaque with (red, green, blue) = f(R, G, B).
template <typename PixelRule>
void MapPixels(const TBitmap32& source, TBitmap32& dest, PixelRule rule)
{
    if (&source != &dest)
        dest.Assign(source);
    for (int y = 0; y < dest.Height(); ++y) {
        TColor32* row = dest.ScanLine(y);
        for (int x = 0; x < dest.Width(); ++x)
            row[x] = rule(RedOf(row[x]), GreenOf(row[x]), BlueOf(row[x]));
    }
}

} // namespace

int ClampByte(int v)
{
    return std::clamp(v, 0, 255);
}

int ColorToCubeIndex(TBlockColor color)
{
    const auto step = [](unsigned channel) { return static_cast<int>(std::min(channel / 51, 5u)); };
    return step(BlockBlueOf(color)) * 36 + step(BlockGreenOf(color)) * 6 + step(BlockRedOf(color));
}

void ConvertToGray(const TBitmap32& source, TBitmap32& dest, int weightSet)
{
    if (weightSet < 1 || weightSet > static_cast<int>(kGrayWeightSets.size()))
        throw QuiltixError("The grey weight set " + std::to_string(weightSet) +
                           " does not exist; the sets are numbered 1 to 4.");
    const GrayWeights& w = kGrayWeightSets[static_cast<std::size_t>(weightSet - 1)];
    const ChannelTable red = FloorTable(w.Red);
    const ChannelTable green = FloorTable(w.Green);
    const ChannelTable blue = FloorTable(w.Blue);
    MapPixels(source, dest, [&](unsigned r, unsigned g, unsigned b) {
        const unsigned e = red[r] + green[g] + blue[b];
        return Color32(e, e, e);
    });
}

void ShiftChannels(const TBitmap32& source, TBitmap32& dest, int redShift, int greenShift, int blueShift)
{
    const ChannelTable red = ShiftTable(redShift);
    const ChannelTable green = ShiftTable(greenShift);
    const ChannelTable blue = ShiftTable(blueShift);
    MapPixels(source, dest,
              [&](unsigned r, unsigned g, unsigned b) { return Color32(red[r], green[g], blue[b]); });
}

TBlockColor AverageBlockColor(const TBitmap24& bitmap, const TRect& rect)
{
    const int left = std::max(rect.Left, 0);
    const int top = std::max(rect.Top, 0);
    const int right = std::min(rect.Right, bitmap.Width());
    const int bottom = std::min(rect.Bottom, bitmap.Height());
    if (right <= left || bottom <= top)
        return 0;
    std::uint64_t sum[3] = {0, 0, 0};
    for (int y = top; y < bottom; ++y) {
        const std::uint8_t* p = bitmap.ScanLine(y) + 3 * static_cast<std::size_t>(left);
        for (int x = left; x < right; ++x, p += 3)
            for (int c = 0; c < 3; ++c)
                sum[c] += p[c];
    }
    const std::uint64_t area = static_cast<std::uint64_t>(right - left) * static_cast<std::uint64_t>(bottom - top);
    return BlockColorOf(static_cast<unsigned>(sum[2] / area), static_cast<unsigned>(sum[1] / area),
                        static_cast<unsigned>(sum[0] / area));
}

} // namespace qx
