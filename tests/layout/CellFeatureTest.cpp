#include "imaging/TBlockColor.h"
#include "layout/CellFeature.h"
#include "layout/LayoutTestFolder.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

constexpr TColor32 kRed = Color32(255, 0, 0);
constexpr TColor32 kBlue = Color32(0, 0, 255);
constexpr TColor32 kBlack = Color32(0, 0, 0);

// One rectangle on a 1024 x 1024 mosaic over a 256 x 256 main image that is
// red left of its middle and blue right of it. Blocks of the 8 x 8 grid in
// the given column and row ranges must be black, all others `inside`.
struct TMeasureCase {
    const char* Name;
    TRect Rect;
    TColor32 Inside;
    int BlackColumnsFrom, BlackColumnsTo;
    int BlackRowsFrom, BlackRowsTo;
};

class CellFeatureRectTest : public ::testing::TestWithParam<TMeasureCase> {};

TBitmap32 SplitPicture()
{
    TBitmap32 picture = test::PlainPicture(256, 256, kRed);
    picture.FillRect({128, 0, 256, 256}, kBlue);
    return picture;
}

bool Within(int v, int from, int to)
{
    return v >= from && v < to;
}

TEST_P(CellFeatureRectTest, MeasuresTheMainImageUnderTheCellAndBlackOutsideTheMosaic)
{
    const TMeasureCase& c = GetParam();
    test::LayoutTestFolder folder;
    Session session(folder.Path(), 1);
    session.CurrentProject.MosaicWidth = 1024;
    session.CurrentProject.MosaicHeight = 1024;
    session.MainImageBitmap = SplitPicture();
    const TTileFeature feature = MeasureCellFeature(session, c.Rect);
    for (int r = 0; r < 8; ++r)
        for (int col = 0; col < 8; ++col) {
            const bool black = Within(col, c.BlackColumnsFrom, c.BlackColumnsTo) ||
                               Within(r, c.BlackRowsFrom, c.BlackRowsTo);
            const TColor32 expected = black ? kBlack : c.Inside;
            const TBlockColor block = feature.Words[static_cast<std::size_t>(22 + r * 8 + col)];
            EXPECT_EQ(BlockRedOf(block), RedOf(expected)) << "block " << r << "," << col;
            EXPECT_EQ(BlockGreenOf(block), GreenOf(expected)) << "block " << r << "," << col;
            EXPECT_EQ(BlockBlueOf(block), BlueOf(expected)) << "block " << r << "," << col;
        }
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, CellFeatureRectTest,
    ::testing::Values(TMeasureCase{"InsideLeftHalf", {464, 0, 512, 48}, kRed, 0, 0, 0, 0},
                      TMeasureCase{"InsideRightHalf", {512, 100, 560, 148}, kBlue, 0, 0, 0, 0},
                      TMeasureCase{"HalfOutLeft", {-24, 0, 24, 48}, kRed, 0, 4, 0, 0},
                      TMeasureCase{"HalfOutRight", {1000, 0, 1048, 48}, kBlue, 4, 8, 0, 0},
                      TMeasureCase{"HalfOutTop", {0, -24, 48, 24}, kRed, 0, 0, 0, 4},
                      TMeasureCase{"HalfOutBottomRight", {1000, 1000, 1048, 1048}, kBlue, 4, 8, 4, 8},
                      TMeasureCase{"WhollyOutside", {-48, 0, 0, 48}, kRed, 0, 8, 0, 0}),
    [](const auto& row) { return std::string(row.param.Name); });

// Drawing tiles leaves the main image with other alphas and settings; a
// transparent main image would otherwise blend nothing into the cell.
TEST(CellFeatureTest, MakesTheMainImageOpaqueBeforeMeasuring)
{
    test::LayoutTestFolder folder;
    Session session(folder.Path(), 1);
    session.CurrentProject.MosaicWidth = 100;
    session.CurrentProject.MosaicHeight = 100;
    session.MainImageBitmap = test::PlainPicture(50, 50, Color32(200, 100, 50, 0));
    session.MainImageBitmap.DrawMode = TDrawMode::Opaque;
    const TTileFeature feature = MeasureCellFeature(session, {10, 10, 40, 40});
    EXPECT_EQ(BlockRedOf(feature.Words[1]), 200u);
    EXPECT_EQ(BlockGreenOf(feature.Words[1]), 100u);
    EXPECT_EQ(BlockBlueOf(feature.Words[1]), 50u);
    EXPECT_EQ(AlphaOf(session.MainImageBitmap.Pixel(7, 7)), 255u);
    EXPECT_EQ(session.MainImageBitmap.DrawMode, TDrawMode::Blend);
    EXPECT_EQ(session.MainImageBitmap.Resampler, TResampler::Spline);
}

TEST(CellFeatureTest, NothingToMeasureGivesBlack)
{
    struct TRow {
        const char* Name;
        int MosaicWidth, MosaicHeight;
        int ImageWidth, ImageHeight;
    };
    const TRow rows[] = {
        {"empty main image", 100, 100, 0, 0},
        {"mosaic without width", 0, 100, 50, 50},
        {"mosaic without height", 100, 0, 50, 50},
    };
    const TTileFeature black = ComputeTileFeature(test::PlainPicture(8, 8, kBlack));
    for (const TRow& row : rows) {
        test::LayoutTestFolder folder;
        Session session(folder.Path(), 1);
        session.CurrentProject.MosaicWidth = row.MosaicWidth;
        session.CurrentProject.MosaicHeight = row.MosaicHeight;
        session.MainImageBitmap = test::PlainPicture(row.ImageWidth, row.ImageHeight, kRed);
        EXPECT_EQ(MeasureCellFeature(session, {0, 0, 20, 20}), black) << row.Name;
    }
}

} // namespace
} // namespace qx
