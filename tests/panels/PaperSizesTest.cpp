#include "panels/PaperSizes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace qx {
namespace {

struct PaperRow {
    TPanelKind Panel;
    int ListIndex;
    const char* Caption;
    double ShortSide;
    double LongSide;
    bool Custom;
};

std::string RowName(const PaperRow& row)
{
    const char* panels[] = {"Beginner", "Advanced", "Tile"};
    return panels[static_cast<int>(row.Panel)] + std::to_string(row.ListIndex);
}

void PrintTo(const PaperRow& row, std::ostream* out)
{
    *out << RowName(row);
}

class PaperListTest : public ::testing::TestWithParam<PaperRow> {};

TEST_P(PaperListTest, EntryAtListIndexHasCaptionAndSides)
{
    const PaperRow& row = GetParam();
    const TPaperSize* paper = PaperAt(row.Panel, row.ListIndex);
    ASSERT_NE(paper, nullptr);
    EXPECT_EQ(std::string(PaperCaption(row.Panel, row.ListIndex)), row.Caption);
    EXPECT_EQ(paper->Custom, row.Custom);
    if (!row.Custom) {
        EXPECT_EQ(paper->ShortSideInch, row.ShortSide);
        EXPECT_EQ(paper->LongSideInch, row.LongSide);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, PaperListTest,
    ::testing::Values(
        PaperRow{TPanelKind::Beginner, 0, "Letter  (21.6x27.9 cm  8\"1/2  x  11\")", 8.5, 11, false},
        PaperRow{TPanelKind::Beginner, 1, "Legal   (21.6x35.6 cm  8\"1/2  x  14\")", 8.5, 14, false},
        PaperRow{TPanelKind::Beginner, 2, "Tabloid  (43.2x27.9 cm  17\"  x  11\")", 11, 17, false},
        PaperRow{TPanelKind::Beginner, 3, "--------------------------------", 0, 0, true},
        PaperRow{TPanelKind::Beginner, 9, "40\" x 32\"", 32, 40, false},
        PaperRow{TPanelKind::Beginner, 11, "A1 (59.4x84.1 cm  23\"3/8 x 33) ", 23.375, 33, false},
        PaperRow{TPanelKind::Beginner, 12, "A2 (42.0x59.4 cm  16\"1/2 x 23\"3/8)", 16.5, 23.375, false},
        PaperRow{TPanelKind::Beginner, 14, "A4 (21.0x29.7 cm   8\"1/4 x 11\"3/4)", 8.25, 11.75, false},
        PaperRow{TPanelKind::Beginner, 16, "B1 (70.7x100  cm  27\"3/4  x  39\"1/2 )", 27.75, 39.5, false},
        PaperRow{TPanelKind::Beginner, 17, "B2 (50  x70.7 cm  19\"3/4  x  27\"3/4 )", 19.75, 27.75, false},
        PaperRow{TPanelKind::Beginner, 18, "B3 (35.3x50   cm  13\"7/8  x  19\"3/4 )", 13.875, 19.75, false},
        PaperRow{TPanelKind::Beginner, 19, "B4 (25.0x35.3 cm   9\"7/8  x  13\"7/8 )", 9.875, 13.875, false},
        PaperRow{TPanelKind::Beginner, 21, "Custom Size (up to 40\" x 40\" )", 0, 0, true},
        PaperRow{TPanelKind::Tile, 21, "Custom Size (up to 80\" x 80\" )", 0, 0, true},
        PaperRow{TPanelKind::Advanced, 10, "--------------------------------", 0, 0, true},
        PaperRow{TPanelKind::Advanced, 11, "--------------------------------", 0, 0, true},
        PaperRow{TPanelKind::Advanced, 12, "A1 (59.4x84.1 cm  23\"3/8 x 33) ", 23.375, 33, false},
        PaperRow{TPanelKind::Advanced, 13, "A2 (42.0x59.4 cm  16\"1/2 x 23\"3/8)", 16.5, 23.375, false},
        PaperRow{TPanelKind::Advanced, 15, "A4 (21.0x29.7 cm   8\"1/4 x 11\"3/4)", 8.25, 11.75, false},
        PaperRow{TPanelKind::Advanced, 16, "--------------------------------", 0, 0, true},
        PaperRow{TPanelKind::Advanced, 17, "B1 (70.7x100  cm  27\"3/4  x  39\"1/2 )", 27.75, 39.5, false},
        PaperRow{TPanelKind::Advanced, 20, "B4 (25.0x35.3 cm   9\"7/8  x  13\"7/8 )", 9.875, 13.875, false},
        PaperRow{TPanelKind::Advanced, 21, "--------------------------------", 0, 0, true},
        PaperRow{TPanelKind::Advanced, 22, "Custom Size (up to 40\" x 40\" )", 0, 0, true}),
    [](const auto& testCase) { return RowName(testCase.param); });

TEST(PaperSizesTest, IndicesOutsideEachListHaveNoEntry)
{
    for (const TPanelKind panel : {TPanelKind::Beginner, TPanelKind::Advanced, TPanelKind::Tile}) {
        const int count = PaperListCount(panel);
        EXPECT_EQ(PaperAt(panel, -1), nullptr);
        EXPECT_EQ(PaperAt(panel, count), nullptr);
        EXPECT_NE(PaperAt(panel, count - 1), nullptr);
        EXPECT_EQ(PaperCaption(panel, count), "");
    }
    EXPECT_EQ(PaperListCount(TPanelKind::Beginner), 22);
    EXPECT_EQ(PaperListCount(TPanelKind::Advanced), 23);
}

TEST(PaperSizesTest, EveryTableRowIsFoundAtItsListIndexInEveryPanel)
{
    for (const TPanelKind panel : {TPanelKind::Beginner, TPanelKind::Advanced, TPanelKind::Tile}) {
        for (const TPaperSize& row : PaperTable()) {
            EXPECT_EQ(PaperAt(panel, PaperListIndex(panel, row.Index)), &row) << row.Caption;
        }
    }
}

TEST(PaperSizesTest, ListedSidesAreWholeEighthsOfAnInchSoPixelProductsAreExact)
{
    for (const TPaperSize& row : PaperTable()) {
        if (!row.Custom) {
            EXPECT_EQ(std::fmod(row.ShortSideInch * 8, 1.0), 0.0) << row.Caption;
            EXPECT_EQ(std::fmod(row.LongSideInch * 8, 1.0), 0.0) << row.Caption;
            EXPECT_LT(row.ShortSideInch, row.LongSideInch) << row.Caption;
        }
    }
}

TEST(PaperSizesTest, ShortNamesMatchIgnoringCase)
{
    const struct {
        const char* Name;
        int Index;
    } rows[] = {{"Letter", 0}, {"LEGAL", 1}, {"tabloid", 2}, {"20x16", 4}, {"24X18", 6}, {"40x32", 9},
                {"a1", 11},    {"A2", 12},   {"a4", 14},      {"B1", 16},    {"b4", 19},   {"Custom", 21}};
    for (const auto& row : rows) {
        const TPaperSize* paper = PaperByShortName(row.Name);
        ASSERT_NE(paper, nullptr) << row.Name;
        EXPECT_EQ(paper->Index, row.Index) << row.Name;
    }
    for (const char* unknown : {"", "A5", "A", "Letter ", "--------------------------------"}) {
        EXPECT_EQ(PaperByShortName(unknown), nullptr) << '"' << unknown << '"';
    }
}

} // namespace
} // namespace qx
