#include "panels/TileCellSize.h"

#include "common/QuiltixError.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(TileCellSizeTest, TileEditsBecomeCellPixels)
{
    const struct {
        const char* Width;
        const char* Height;
        TTileUnit Unit;
        int Ppi;
        const char* WidthText;
        const char* HeightText;
        int CellWidth;
        int CellHeight;
        const char* Aspect;
    } rows[] = {
        {"1", "1", TTileUnit::Inch, 96, "1", "1", 96, 96, "Cell Aspect Ratio = 1.0000"},
        {"2", "1", TTileUnit::Inch, 96, "2", "1", 192, 96, "Cell Aspect Ratio = 2.0000"},
        {"1", "1", TTileUnit::Inch, 72, "1", "1", 72, 72, "Cell Aspect Ratio = 1.0000"},
        {"0.3", "1", TTileUnit::Inch, 96, "0.4", "1", 38, 96, "Cell Aspect Ratio = 0.3958"},
        {"00", "-1", TTileUnit::Inch, 96, "0.4", "0.4", 38, 38, "Cell Aspect Ratio = 1.0000"},
        {"abc", "1.5", TTileUnit::Inch, 96, "1", "1.5", 96, 144, "Cell Aspect Ratio = 0.6667"},
        {"1", "1", TTileUnit::Millimetre, 96, "10", "10", 37, 37, "Cell Aspect Ratio = 1.0000"},
        {"25", "25", TTileUnit::Millimetre, 96, "25", "25", 94, 94, "Cell Aspect Ratio = 1.0000"},
        {"abc", "30", TTileUnit::Millimetre, 96, "10", "30", 37, 113, "Cell Aspect Ratio = 0.3274"},
    };
    for (const auto& row : rows) {
        const TTileCellSize tile = ComputeTileCellSize(row.Width, row.Height, row.Unit, row.Ppi);
        EXPECT_TRUE(tile.Applied) << row.Width;
        EXPECT_EQ(tile.WidthText, row.WidthText) << row.Width;
        EXPECT_EQ(tile.HeightText, row.HeightText) << row.Height;
        EXPECT_EQ(tile.CellWidth, row.CellWidth) << row.Width;
        EXPECT_EQ(tile.CellHeight, row.CellHeight) << row.Height;
        EXPECT_TRUE(tile.CountShown) << row.Width;
        EXPECT_EQ(tile.AspectLabel, row.Aspect) << row.Width << " x " << row.Height;
    }
}

TEST(TileCellSizeTest, NothingHappensWhileAnEditIsStillBeingTyped)
{
    const struct {
        const char* Width;
        const char* Height;
    } rows[] = {{"0", "1"}, {"1", "0."}, {"", "1"}, {"1", ""}, {"0.", "0"}};
    for (const auto& row : rows) {
        const TTileCellSize tile = ComputeTileCellSize(row.Width, row.Height, TTileUnit::Inch, 96);
        EXPECT_FALSE(tile.Applied) << '"' << row.Width << "\" x \"" << row.Height << '"';
        EXPECT_TRUE(tile.WidthText.empty());
        EXPECT_EQ(tile.CellWidth, 0);
    }
    EXPECT_TRUE(ComputeTileCellSize("0.5", "1", TTileUnit::Inch, 96).Applied);
}

TEST(TileCellSizeTest, TileTooLargeForACellIsRefused)
{
    EXPECT_THROW(ComputeTileCellSize("1e300", "1", TTileUnit::Inch, 96), QuiltixError);
    EXPECT_THROW(ComputeTileCellSize("1", "400", TTileUnit::Inch, 96), QuiltixError);
    EXPECT_EQ(ComputeTileCellSize("341", "1", TTileUnit::Inch, 96).CellWidth, 32736);
    EXPECT_THROW(ComputeTileCellSize("1", "1", TTileUnit::Inch, 0), QuiltixError);
}

} // namespace
} // namespace qx
