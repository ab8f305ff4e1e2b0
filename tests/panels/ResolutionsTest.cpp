#include "panels/Resolutions.h"

#include <gtest/gtest.h>

#include <string>

namespace qx {
namespace {

TEST(ResolutionsTest, EachPanelMapsListIndicesToItsTableAndFallsBackTo96)
{
    const struct {
        TPanelKind Panel;
        int Index;
        int Ppi;
    } rows[] = {
        {TPanelKind::Beginner, 0, 72},  {TPanelKind::Beginner, 1, 96},  {TPanelKind::Beginner, 2, 100},
        {TPanelKind::Beginner, 3, 120}, {TPanelKind::Beginner, 4, 150}, {TPanelKind::Beginner, 5, 180},
        {TPanelKind::Beginner, 6, 200}, {TPanelKind::Beginner, 7, 250}, {TPanelKind::Beginner, 8, 300},
        {TPanelKind::Beginner, 9, 96},  {TPanelKind::Beginner, -1, 96}, {TPanelKind::Tile, 8, 300},
        {TPanelKind::Advanced, 0, 72},  {TPanelKind::Advanced, 6, 200}, {TPanelKind::Advanced, 7, 96},
        {TPanelKind::Advanced, 8, 96},  {TPanelKind::Advanced, -3, 96},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PpiForIndex(row.Panel, row.Index), row.Ppi) << "index " << row.Index;
    }
}

TEST(ResolutionsTest, IndexOfPpiStaysWithinThePanelsTable)
{
    EXPECT_EQ(ResolutionIndexOf(TPanelKind::Beginner, 300), 8);
    EXPECT_EQ(ResolutionIndexOf(TPanelKind::Advanced, 200), 6);
    EXPECT_EQ(ResolutionIndexOf(TPanelKind::Advanced, 300), std::nullopt);
    EXPECT_EQ(ResolutionIndexOf(TPanelKind::Beginner, 97), std::nullopt);
    for (const TResolution& row : ResolutionTable()) {
        EXPECT_EQ(PpiForIndex(TPanelKind::Beginner, *ResolutionIndexOf(TPanelKind::Beginner, row.Ppi)), row.Ppi);
    }
}

TEST(ResolutionsTest, ListedCaptionsReadAsShown)
{
    const auto table = ResolutionTable();
    ASSERT_GE(table.size(), static_cast<std::size_t>(kListedResolutionCount));
    EXPECT_EQ(std::string(table[0].Caption), "72  PPI  (Computer Display Resolution -old types)");
    EXPECT_EQ(std::string(table[1].Caption), "96  PPI  (Computer Display Resolution -common types)");
    EXPECT_EQ(std::string(table[2].Caption), "100 PPI  (Home & Business Printer)");
    EXPECT_EQ(std::string(table[6].Caption), "200 PPI  (Professional Photo Printer)");
    EXPECT_EQ(table[kDefaultResolutionIndex].Ppi, 96);
}

} // namespace
} // namespace qx
