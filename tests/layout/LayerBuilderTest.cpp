#include "common/QuiltixError.h"
#include "layout/CellFeature.h"
#include "layout/CountPatternCells.h"
#include "layout/LayerBuilder.h"
#include "layout/LayoutTestFolder.h"
#include "support/RecordingReporter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <utility>
#include <vector>

namespace qx {
namespace {

struct TLayerExpectation {
    int Cells, Columns, Rows, StepX, StepY;
    // Cell index and the rectangle it must have.
    std::vector<std::pair<int, TRect>> Probes;
};

// A one-pattern layout and what each of its layers must hold; layers after
// the listed ones must be disabled and empty.
struct TLayoutCase {
    const char* Name;
    std::vector<test::TTestLayer> Pattern;
    int MosaicWidth, MosaicHeight, CellWidth, CellHeight;
    std::vector<TLayerExpectation> Layers;
};

class LayerBuilderLayoutTest : public ::testing::TestWithParam<TLayoutCase> {};

// Marks a cell as a finished render leaves it, so a rebuild must be seen to
// start afresh.
void MarkUsed(TMosaicCell& cell)
{
    cell.PhotoIndex = 3;
    cell.HasPhoto = true;
    cell.DivisionLevel = 0;
    cell.Priority = 0;
}

TEST_P(LayerBuilderLayoutTest, LaysOutEveryLayerAfresh)
{
    const TLayoutCase& c = GetParam();
    test::LayoutTestFolder folder;
    folder.WritePatterns({c.Pattern});
    Session session(folder.Path(), 1);
    test::UsePattern(session, 1, c.MosaicWidth, c.MosaicHeight, c.CellWidth, c.CellHeight);
    session.MainImageBitmap = test::GradientPicture(64, 64);
    TqxProject07& project = session.CurrentProject;
    BuildLayers(session);
    for (TQXLayer& layer : project.Layers) {
        layer.Excluded = true;
        layer.Cells.resize(std::max<std::size_t>(layer.Cells.size(), 2));
        for (TMosaicCell& cell : layer.Cells)
            MarkUsed(cell);
    }

    BuildLayers(session);

    std::int64_t total = 0;
    for (std::size_t k = 0; k < 6; ++k) {
        const TQXLayer& layer = project.Layers[k];
        SCOPED_TRACE("layer " + std::to_string(k + 1));
        if (k >= c.Layers.size()) {
            EXPECT_FALSE(layer.Enabled);
            EXPECT_EQ(layer.CellCount(), 0);
            continue;
        }
        const TLayerExpectation& e = c.Layers[k];
        EXPECT_TRUE(layer.Enabled);
        EXPECT_FALSE(layer.Excluded);
        EXPECT_EQ(layer.CellCount(), e.Cells);
        EXPECT_EQ(layer.Columns, e.Columns);
        EXPECT_EQ(layer.Rows, e.Rows);
        EXPECT_EQ(layer.StepX, e.StepX);
        EXPECT_EQ(layer.StepY, e.StepY);
        for (const auto& [index, rect] : e.Probes)
            EXPECT_EQ(layer.Cells.at(static_cast<std::size_t>(index)).CellRect, rect) << "cell " << index;
        for (const TMosaicCell& cell : layer.Cells) {
            EXPECT_EQ(cell.PhotoIndex, -1);
            EXPECT_FALSE(cell.HasPhoto);
            EXPECT_EQ(cell.DivisionLevel, 9);
            EXPECT_EQ(cell.Priority, 1);
        }
        total += layer.CellCount();
    }
    // Layer 7 is never built: it keeps whatever it held.
    EXPECT_EQ(project.Layers[6].CellCount(), 2);
    EXPECT_EQ(project.Layers[6].Cells[0].PhotoIndex, 3);
    EXPECT_EQ(total, CountPatternCells(project.CurrentPattern, c.MosaicWidth, c.MosaicHeight, c.CellWidth,
                                       c.CellHeight));
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, LayerBuilderLayoutTest,
    ::testing::Values(
        // The 16-pixel strips at the right and bottom get no cell.
        TLayoutCase{"PlainGrid",
                    {{1, 1, 0, 0}},
                    1024,
                    1024,
                    48,
                    48,
                    {{441,
                      21,
                      21,
                      48,
                      48,
                      {{0, {0, 0, 48, 48}}, {22, {48, 48, 96, 96}}, {440, {960, 960, 1008, 1008}}}}}},
        // Layer 2's first row sticks out above the mosaic, its last column
        // beyond the right edge.
        TLayoutCase{"ShiftedSecondLayer",
                    {{1.5, 1, 0, 0}, {1.5, 1, 0.75, -0.5}},
                    960,
                    480,
                    64,
                    64,
                    {{70, 10, 7, 96, 64, {{0, {0, 0, 64, 64}}, {10, {0, 64, 64, 128}}, {69, {864, 384, 928, 448}}}},
                     {70, 10, 7, 96, 64, {{0, {48, -32, 112, 32}}, {69, {912, 352, 976, 416}}}}}},
        TLayoutCase{
            "OverlappingCells", {{0.5, 0.5, 0, 0}}, 100, 100, 20, 20, {{100, 10, 10, 10, 10, {{1, {10, 0, 30, 20}}}}}},
        TLayoutCase{"StepBelowOnePixel", {{0.01, 1, 0, 0}}, 100, 100, 48, 48, {{0, 0, 2, 0, 48, {}}}},
        TLayoutCase{"NegativeSteps", {{-1, -1, 0, 0}}, 100, 100, 48, 48, {{0, 0, 0, -48, -48, {}}}}),
    [](const auto& row) { return std::string(row.param.Name); });

TEST(LayerBuilderTest, PatternWithoutEnabledLayersEmptiesLayersOneToSix)
{
    test::LayoutTestFolder folder;
    folder.WritePatterns({{{1, 1, 0, 0}}});
    Session session(folder.Path(), 1);
    test::UsePattern(session, 1, 480, 480, 48, 48);
    session.MainImageBitmap = test::GradientPicture(64, 64);
    BuildLayers(session);
    ASSERT_EQ(session.CurrentProject.Layers[0].CellCount(), 100);

    test::UsePattern(session, 2, 480, 480, 48, 48);
    ASSERT_EQ(CountPatternCells(session.CurrentProject.CurrentPattern, 480, 480, 48, 48), 0);
    BuildLayers(session);
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_FALSE(session.CurrentProject.Layers[k].Enabled) << "layer " << k + 1;
        EXPECT_EQ(session.CurrentProject.Layers[k].CellCount(), 0) << "layer " << k + 1;
    }
}

// The cells are measured side by side; each must still get exactly the
// feature a measurement of its own rectangle gives.
TEST(LayerBuilderTest, ParallelMeasuringMatchesMeasuringCellByCell)
{
    test::LayoutTestFolder folder;
    folder.WritePatterns({{{1, 1, 0, 0}, {1, 1, 0.5, -0.5}}});
    Session session(folder.Path(), 1);
    test::UsePattern(session, 1, 300, 200, 40, 30);
    session.MainImageBitmap = test::GradientPicture(150, 100);
    BuildLayers(session);

    std::set<std::vector<std::uint32_t>> distinct;
    for (const TQXLayer& layer : session.CurrentProject.Layers) {
        TQXLayer reference = layer;
        for (int i = 0; i < layer.CellCount(); ++i) {
            const TMosaicCell& cell = layer.Cells[static_cast<std::size_t>(i)];
            SetCellRect(session, reference, i, cell.CellRect);
            EXPECT_EQ(cell.Feature, reference.Cells[static_cast<std::size_t>(i)].Feature) << "cell " << i;
            distinct.insert({cell.Feature.Words.begin(), cell.Feature.Words.end()});
        }
    }
    // 7 x 6 cells in each of two layers, all at different places.
    EXPECT_EQ(distinct.size(), 84u);
}

TEST(LayerBuilderTest, ReportsWholePercentsOfEachLayerInOrder)
{
    test::LayoutTestFolder folder;
    folder.WritePatterns({{{1, 1, 0, 0}}});
    Session session(folder.Path(), 1);
    test::UsePattern(session, 1, 1024, 1024, 48, 48);
    session.MainImageBitmap = test::GradientPicture(64, 64);
    test::RecordingReporter reporter;
    BuildLayers(session, &reporter);
    std::vector<int> expected;
    for (int p = 0; p < 100; ++p)
        expected.push_back(p);
    EXPECT_EQ(reporter.Progress, expected);
}

TEST(LayerBuilderTest, EnlargesASmallMainImageBeforeMeasuring)
{
    test::LayoutTestFolder folder;
    folder.WritePatterns({{{1, 1, 0, 0}}});
    Session session(folder.Path(), 1);
    test::UsePattern(session, 1, 480, 480, 48, 48);
    session.MainImageBitmap = test::GradientPicture(40, 40);
    BuildLayers(session);
    EXPECT_GE(session.MainImageBitmap.Width() * session.MainImageBitmap.Height(), 100 * 64);
}

TEST(LayerBuilderTest, LoadsTheLayerMaskWhenItsFileExists)
{
    struct TRow {
        const char* Name;
        bool RemoveMaskAfterReading;
        int ExpectedWidth, ExpectedHeight;
    };
    const TRow rows[] = {{"mask present", false, 5, 7}, {"mask gone since the pattern was read", true, 3, 3}};
    for (const TRow& row : rows) {
        test::LayoutTestFolder folder;
        const auto mask = folder.WriteBmp("masks/cellmask.bmp", test::PlainPicture(5, 7, Color32(255, 255, 255)));
        folder.WritePatterns({{{1, 1, 0, 0, "cellmask.bmp"}}});
        Session session(folder.Path(), 1);
        test::UsePattern(session, 1, 96, 96, 48, 48);
        if (row.RemoveMaskAfterReading)
            std::filesystem::remove(mask);
        session.CurrentProject.Layers[0].MaskBitmap = test::PlainPicture(3, 3, 0);
        BuildLayers(session);
        const TQXLayer& layer = session.CurrentProject.Layers[0];
        EXPECT_EQ(layer.LayerPattern, session.CurrentProject.CurrentPattern.Layer(1)) << row.Name;
        EXPECT_TRUE(layer.LayerPattern.HasMaskImage) << row.Name;
        EXPECT_EQ(layer.MaskBitmap.Width(), row.ExpectedWidth) << row.Name;
        EXPECT_EQ(layer.MaskBitmap.Height(), row.ExpectedHeight) << row.Name;
    }
}

// The layer file stores each block size as a 32-bit number; a layout beyond
// it is refused before any cell is made.
TEST(LayerBuilderTest, RefusesALayerTooLargeForTheLayerFile)
{
    test::LayoutTestFolder folder;
    folder.WritePatterns({{{1, 1, 0, 0}}});
    Session session(folder.Path(), 1);
    test::UsePattern(session, 1, 4000, 4000, 1, 1);
    EXPECT_THROW(BuildLayers(session), QuiltixError);
    EXPECT_EQ(session.CurrentProject.Layers[0].CellCount(), 0);
}

} // namespace
} // namespace qx
