#include "panels/CellLabels.h"

#include "common/QuiltixError.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(CellLabelsTest, LengthsAreTruncatedHundredthsAndAspectHasTwoDecimals)
{
    const struct {
        int Width;
        int Height;
        int Ppi;
        const char* WidthInch;
        const char* HeightInch;
        const char* WidthCm;
        const char* HeightCm;
        const char* Aspect;
    } rows[] = {
        {48, 36, 96, "0.5 Inch", "0.37 Inch", "1.27 CM", "0.95 CM", "Cell Aspect Ratio = 1.33"},
        {47, 47, 96, "0.48 Inch", "0.48 Inch", "1.24 CM", "1.24 CM", "Cell Aspect Ratio = 1.00"},
        {96, 48, 72, "1.33 Inch", "0.66 Inch", "3.38 CM", "1.69 CM", "Cell Aspect Ratio = 2.00"},
        {72, 72, 72, "1 Inch", "1 Inch", "2.54 CM", "2.54 CM", "Cell Aspect Ratio = 1.00"},
        {0, 36, 96, "0 Inch", "0.37 Inch", "0 CM", "0.95 CM", "Cell Aspect Ratio = 0.00"},
        {48, 0, 96, "0.5 Inch", "0 Inch", "1.27 CM", "0 CM", "Cell Aspect Ratio = 0.00"},
        {1, 3, 96, "0.01 Inch", "0.03 Inch", "0.02 CM", "0.07 CM", "Cell Aspect Ratio = 0.33"},
    };
    for (const auto& row : rows) {
        const TCellLabels labels = ComputeCellLabels(row.Width, row.Height, row.Ppi);
        EXPECT_EQ(labels.WidthInch, row.WidthInch) << row.Width << " at " << row.Ppi;
        EXPECT_EQ(labels.HeightInch, row.HeightInch) << row.Height << " at " << row.Ppi;
        EXPECT_EQ(labels.WidthCm, row.WidthCm) << row.Width << " at " << row.Ppi;
        EXPECT_EQ(labels.HeightCm, row.HeightCm) << row.Height << " at " << row.Ppi;
        EXPECT_EQ(labels.Aspect, row.Aspect) << row.Width << " x " << row.Height;
    }
}

TEST(CellLabelsTest, ResolutionBelowOneIsRefused)
{
    EXPECT_THROW(ComputeCellLabels(48, 36, 0), QuiltixError);
}

TEST(CellLabelsTest, CellCountSentence)
{
    EXPECT_EQ(CellCountText(441), "441 cell images will be used to create final mosaic.");
    EXPECT_EQ(CellCountText(0), "0 cell images will be used to create final mosaic.");
}

} // namespace
} // namespace qx
