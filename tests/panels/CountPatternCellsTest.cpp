#include "layout/CountPatternCells.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace qx {
namespace {

struct LayerSpec {
    double HorzFactor;
    double VertFactor;
    double HorzOffset;
    double VertOffset;
};

TQXPattern PatternOf(const std::vector<LayerSpec>& layers)
{
    TQXPattern pattern;
    pattern.LayerCount = static_cast<int>(layers.size());
    for (std::size_t k = 0; k < layers.size(); ++k) {
        TLayerPattern& layer = pattern.LayerRecords[k];
        layer.Enabled = true;
        layer.HorzFactor = layers[k].HorzFactor;
        layer.VertFactor = layers[k].VertFactor;
        layer.HorzOffset = layers[k].HorzOffset;
        layer.VertOffset = layers[k].VertOffset;
    }
    return pattern;
}

TEST(CountPatternCellsTest, SumsWholeStepsOverEnabledLayers)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* Name;
        TQXPattern Pattern;
        int MosaicWidth;
        int MosaicHeight;
        int CellWidth;
        int CellHeight;
        std::int64_t Cells;
    } rows[] = {
        {"plain grid", PatternOf({{1, 1, 0, 0}}), 1024, 1024, 48, 48, 441},
        {"two interleaved layers", PatternOf({{1.5, 1, 0, 0}, {1.5, 1, 0.75, -0.5}}), 960, 480, 64, 64, 140},
        {"six plain layers", PatternOf(std::vector<LayerSpec>(6, {1, 1, 0, 0})), 1024, 1024, 48, 48, 6 * 441},
        {"no enabled layer", TQXPattern{}, 1024, 1024, 48, 48, 0},
        {"cell as large as the mosaic", PatternOf({{1, 1, 0, 0}}), 1024, 768, 1024, 768, 1},
        {"cell larger than the mosaic", PatternOf({{1, 1, 0, 0}}), 1024, 768, 1025, 48, 0},
        {"step below one pixel", PatternOf({{0.01, 1, 0, 0}, {1, 1, 0, 0}}), 1024, 1024, 48, 48, 441},
        {"zero cell width", PatternOf({{1, 1, 0, 0}}), 1024, 1024, 0, 48, 0},
        {"negative factors", PatternOf({{-1, -1, 0, 0}}), 1024, 1024, 48, 48, 0},
        {"huge factor", PatternOf({{1e300, 1, 0, 0}}), 1024, 1024, 48, 48, 0},
        {"factor not a number", PatternOf({{nan, 1, 0, 0}}), 1024, 1024, 48, 48, 0},
        {"empty mosaic", PatternOf({{1, 1, 0, 0}}), 0, 1024, 48, 48, 0},
        {"fractional step truncates", PatternOf({{1.5, 1.5, 0, 0}}), 100, 100, 11, 11, 6 * 6},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CountPatternCells(row.Pattern, row.MosaicWidth, row.MosaicHeight, row.CellWidth, row.CellHeight),
                  row.Cells)
            << row.Name;
    }
}

TEST(CountPatternCellsTest, DisabledLayerRecordsAreSkipped)
{
    TQXPattern pattern = PatternOf({{1, 1, 0, 0}, {1, 1, 0, 0}});
    pattern.LayerRecords[0].Enabled = false;
    EXPECT_EQ(CountPatternCells(pattern, 1024, 1024, 48, 48), 441);
}

} // namespace
} // namespace qx
