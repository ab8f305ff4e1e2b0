#include "imaging/BmpCodec.h"
#include "imaging/ImageFunctions.h"
#include "layout/MaskLibrary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Lays every shipped pattern over an area of 10 x 10 cells, each cell cut to
// its layer's mask the way tiles are cut when drawn, and counts how often
// every pixel is covered.

namespace qx {
namespace {

constexpr int kAreaCells = 10;
// Steps reach two cells and offsets one, so the layout leaves strips up to
// two cells wide at the area's edges uncovered.
constexpr int kMarginCells = 2;

// Which pixels of a cell of width x height the layer's mask leaves opaque.
std::vector<bool> CellShape(const TLayerPattern& layer, int width, int height)
{
    TBitmap32 tile(width, height);
    tile.Clear(Color32(255, 255, 255));
    if (layer.HasMaskImage)
        ApplyCellMask(tile, tile, LoadBmpFile(layer.MaskImageFile), 0);
    std::vector<bool> shape(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            shape[static_cast<std::size_t>(y) * width + x] = AlphaOf(tile.Pixel(x, y)) != 0;
    return shape;
}

// The shape without its rim: pixels whose four neighbours are opaque too.
// Neighbouring shapes may share rim pixels, where the resized mask is
// partly white.
std::vector<bool> ShapeCore(const std::vector<bool>& shape, int width, int height)
{
    const auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height && shape[static_cast<std::size_t>(y) * width + x];
    };
    std::vector<bool> core(shape.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            core[static_cast<std::size_t>(y) * width + x] = opaque(x, y) && opaque(x - 1, y) &&
                                                             opaque(x + 1, y) && opaque(x, y - 1) &&
                                                             opaque(x, y + 1);
    return core;
}

struct CoverageCount {
    int Gaps = 0;     // interior pixels no cell covers
    int Overlaps = 0; // interior pixels inside the cores of two cells
    int Interior = 0;
};

// Adds one to every pixel of the area that a shape of cw x ch placed at
// (left, top) covers.
void Stamp(std::vector<int>& count, int width, int height, const std::vector<bool>& shape, int cw, int ch,
           int left, int top)
{
    for (int y = 0; y < ch; ++y)
        for (int x = 0; x < cw; ++x) {
            const int px = left + x;
            const int py = top + y;
            if (px >= 0 && py >= 0 && px < width && py < height && shape[static_cast<std::size_t>(y) * cw + x])
                ++count[static_cast<std::size_t>(py) * width + px];
        }
}

// The cell placement of the mosaic layout: a cell wherever a whole step fits
// from the area's left and top edges, the grid then shifted by the offsets,
// every product truncated towards zero.
CoverageCount CountCoverage(const TQXPattern& pattern, int cw, int ch)
{
    const int width = kAreaCells * cw;
    const int height = kAreaCells * ch;
    std::vector<int> covered(static_cast<std::size_t>(width) * height, 0);
    std::vector<int> cores(covered.size(), 0);
    for (int k = 1; k <= TQXPattern::MaxLayers; ++k) {
        const TLayerPattern& layer = pattern.Layer(k);
        const int stepX = static_cast<int>(cw * layer.HorzFactor);
        const int stepY = static_cast<int>(ch * layer.VertFactor);
        if (!layer.Enabled || stepX < 1 || stepY < 1)
            continue;
        const int offsetX = static_cast<int>(cw * layer.HorzOffset);
        const int offsetY = static_cast<int>(ch * layer.VertOffset);
        const std::vector<bool> shape = CellShape(layer, cw, ch);
        const std::vector<bool> core = ShapeCore(shape, cw, ch);
        for (int row = 0; row < height / stepY; ++row)
            for (int col = 0; col < width / stepX; ++col) {
                const int left = col * stepX + offsetX;
                const int top = row * stepY + offsetY;
                Stamp(covered, width, height, shape, cw, ch, left, top);
                Stamp(cores, width, height, core, cw, ch, left, top);
            }
    }
    CoverageCount result;
    for (int y = kMarginCells * ch; y < height - kMarginCells * ch; ++y)
        for (int x = kMarginCells * cw; x < width - kMarginCells * cw; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * width + x;
            result.Gaps += covered[i] == 0;
            result.Overlaps += cores[i] > 1;
            ++result.Interior;
        }
    return result;
}

struct ShippedPattern {
    int Mask;
    int Pattern;
    bool Tiles; // the shapes fill the plane; otherwise they only touch
};

class ShippedPatternTest : public ::testing::TestWithParam<ShippedPattern> {};

TEST_P(ShippedPatternTest, CellsCoverTheInteriorWithoutOverlapping)
{
    const MaskLibrary library = MaskLibrary::Open(QX_DATA_DIR);
    TQXPattern pattern;
    library.ReadPattern(GetParam().Mask, GetParam().Pattern, pattern);
    ASSERT_GT(pattern.LayerCount, 0);
    // Square cells, and cells near the regular hexagon's aspect whose steps
    // and offsets truncate.
    for (const auto& [cw, ch] : {std::pair{96, 96}, std::pair{90, 78}}) {
        const CoverageCount coverage = CountCoverage(pattern, cw, ch);
        if (GetParam().Tiles) {
            EXPECT_EQ(coverage.Gaps, 0) << pattern.PatternName << " with cells " << cw << " x " << ch;
        }
        EXPECT_LT(coverage.Overlaps, coverage.Interior / 100)
            << pattern.PatternName << " with cells " << cw << " x " << ch;
    }
}

constexpr ShippedPattern kShippedPatterns[] = {
    {1, 1, true}, {1, 2, true}, {1, 3, true},  // square: grid, brick rows, shifted columns
    {2, 1, true}, {2, 2, true},                // hexagon: honeycomb, honeycomb rows
    {3, 1, false}, {3, 2, false},              // circle: grid, interleaved
    {4, 1, true},                              // diamond: interleaved
    {5, 1, true}, {5, 2, true},                // triangle: rows, lattice
};

INSTANTIATE_TEST_SUITE_P(ShippedMasks, ShippedPatternTest, ::testing::ValuesIn(kShippedPatterns),
                         [](const ::testing::TestParamInfo<ShippedPattern>& row) {
                             return "Mask" + std::to_string(row.param.Mask) + "Pattern" +
                                    std::to_string(row.param.Pattern);
                         });

TEST(ShippedMasks, EveryPatternHasAGeometryCase)
{
    const MaskLibrary library = MaskLibrary::Open(QX_DATA_DIR);
    int patterns = 0;
    for (int m = 1; m <= library.MaskCount(); ++m)
        patterns += library.PatternCount(m);
    EXPECT_EQ(patterns, static_cast<int>(std::size(kShippedPatterns)));
}

} // namespace
} // namespace qx
