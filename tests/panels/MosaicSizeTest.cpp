#include "panels/MosaicSize.h"

#include "common/QuiltixError.h"

#include <gtest/gtest.h>

#include <string>

namespace qx {
namespace {

constexpr int kA2 = 12;
constexpr int kAdvancedA2 = 13;
constexpr int kA4 = 14;
constexpr int kB3 = 18;
constexpr int kCustom = 21;
constexpr int kPpi72 = 0;
constexpr int kPpi96 = 1;
constexpr int kPpi100 = 2;
constexpr int kPpi200 = 6;

TMosaicSizeInput Input(TPanelKind panel, int paper, int ppiIndex, TOrientation orientation,
                       std::string width = "16", std::string height = "24", TSizeUnit unit = TSizeUnit::Inch)
{
    TMosaicSizeInput input;
    input.Panel = panel;
    input.Size.PaperIndex = paper;
    input.Size.PpiIndex = ppiIndex;
    input.Size.Orientation = orientation;
    input.Size.CustomWidthText = std::move(width);
    input.Size.CustomHeightText = std::move(height);
    input.Size.CustomUnit = unit;
    return input;
}

TMosaicSizeInput WithMainImage(TMosaicSizeInput input, int width, int height, TMainImageFit fit)
{
    input.MainImageLoaded = true;
    input.MainImageWidth = width;
    input.MainImageHeight = height;
    input.Size.Fit = fit;
    return input;
}

struct PaperCase {
    const char* Name;
    TMosaicSizeInput Input;
    int Width;
    int Height;
    bool CustomEnabled;
};

void PrintTo(const PaperCase& row, std::ostream* out)
{
    *out << row.Name;
}

class PaperPixelsTest : public ::testing::TestWithParam<PaperCase> {};

TEST_P(PaperPixelsTest, PageInPixels)
{
    const PaperCase& row = GetParam();
    const TMosaicSizeResult result = ComputeMosaicSize(row.Input);
    EXPECT_EQ(result.PaperWidth, row.Width);
    EXPECT_EQ(result.PaperHeight, row.Height);
    EXPECT_EQ(result.CustomEditsEnabled, row.CustomEnabled);
}

constexpr auto L = TOrientation::Landscape;
constexpr auto P = TOrientation::Portrait;
constexpr auto B = TPanelKind::Beginner;
constexpr auto A = TPanelKind::Advanced;

INSTANTIATE_TEST_SUITE_P(
    Papers, PaperPixelsTest,
    ::testing::Values(
        PaperCase{"A2_96_landscape", Input(B, kA2, kPpi96, L), 2244, 1584, false},
        PaperCase{"A2_96_portrait", Input(B, kA2, kPpi96, P), 1584, 2244, false},
        PaperCase{"A4_72_portrait", Input(B, kA4, kPpi72, P), 594, 846, false},
        PaperCase{"B3_72_landscape", Input(B, kB3, kPpi72, L), 1422, 999, false},
        PaperCase{"Advanced_A2_sits_one_lower", Input(A, kAdvancedA2, kPpi96, L), 2244, 1584, false},
        PaperCase{"Advanced_A1", Input(A, 12, kPpi96, L), 3168, 2244, false},
        PaperCase{"Custom_100cm_96", Input(B, kCustom, kPpi96, L, "100", "100", TSizeUnit::Cm), 3779, 3779, true},
        PaperCase{"Custom_orientation_wins_over_edit_order", Input(B, kCustom, kPpi96, L, "16", "24"), 2304, 1536,
                  true},
        PaperCase{"Custom_portrait", Input(B, kCustom, kPpi96, P, "24", "16"), 1536, 2304, true},
        PaperCase{"Custom_55cm_is_not_clamped", Input(B, kCustom, kPpi96, L, "55", "55", TSizeUnit::Cm), 2078,
                  2078, true},
        PaperCase{"Separator_behaves_as_custom", Input(B, 3, kPpi96, L, "16", "24"), 2304, 1536, true},
        PaperCase{"Advanced_extra_separator", Input(A, 11, kPpi96, L, "10", "10"), 960, 960, true},
        PaperCase{"Last_separator", Input(B, 20, kPpi72, L, "10", "5"), 720, 360, true},
        PaperCase{"Empty_edits_at_96_raised_to_one_pixel", Input(B, kCustom, kPpi96, L, "", ""), 1, 1, true},
        PaperCase{"Empty_edits_at_100", Input(B, kCustom, kPpi100, L, "", ""), 1, 1, true},
        PaperCase{"Empty_edits_at_200", Input(B, kCustom, kPpi200, L, "", ""), 2, 2, true},
        PaperCase{"Empty_edit_is_a_hundredth_inch_in_cm_too",
                  Input(B, kCustom, kPpi200, L, "", "2.54", TSizeUnit::Cm), 200, 2, true},
        PaperCase{"Negative_edit_raised_to_one_pixel", Input(B, kCustom, kPpi96, L, "-5", "10"), 960, 1, true},
        PaperCase{"No_entry_selected_is_a_tenth_inch", Input(B, 22, kPpi96, L), 9, 9, false},
        PaperCase{"Negative_index_is_a_tenth_inch", Input(A, -1, kPpi96, L), 9, 9, false},
        PaperCase{"Advanced_ppi_past_its_table_is_96", Input(A, kAdvancedA2, 8, L), 2244, 1584, false}),
    [](const auto& testCase) { return std::string(testCase.param.Name); });

TEST(MosaicSizeTest, CustomEditsAreClampedWhicheverPaperIsChosen)
{
    const struct {
        int Paper;
        const char* Width;
        const char* Height;
        TSizeUnit Unit;
        const char* ClampedWidth;
        const char* ClampedHeight;
        int PaperWidth;
    } rows[] = {
        {kCustom, "55", "24", TSizeUnit::Inch, "40", "24", 3840},
        {kCustom, "40", "40.5", TSizeUnit::Inch, "40", "40", 3840},
        {kCustom, "150", "100", TSizeUnit::Cm, "100", "100", 3779},
        {kCustom, "99.5", "", TSizeUnit::Cm, "99.5", "", 3760},
        {kA2, "55", "41", TSizeUnit::Inch, "40", "40", 2244},
    };
    for (const auto& row : rows) {
        const TMosaicSizeResult result =
            ComputeMosaicSize(Input(B, row.Paper, kPpi96, L, row.Width, row.Height, row.Unit));
        EXPECT_EQ(result.CustomWidthText, row.ClampedWidth) << row.Width;
        EXPECT_EQ(result.CustomHeightText, row.ClampedHeight) << row.Height;
        EXPECT_EQ(result.PaperWidth, row.PaperWidth) << row.Width;
    }
}

TEST(MosaicSizeTest, TextThatIsNotANumberIsRefusedEvenForAListedPaper)
{
    const struct {
        int Paper;
        const char* Width;
        const char* Height;
        const char* Message;
    } rows[] = {
        {kCustom, "abc", "24", "The custom width \"abc\" is not a number."},
        {kA2, "16", "2 4", "The custom height \"2 4\" is not a number."},
    };
    for (const auto& row : rows) {
        const TMosaicSizeInput input = Input(B, row.Paper, kPpi96, L, row.Width, row.Height);
        try {
            ComputeMosaicSize(input);
            ADD_FAILURE() << "accepted " << row.Width << " x " << row.Height;
        } catch (const QuiltixError& error) {
            EXPECT_STREQ(error.what(), row.Message);
        }
        EXPECT_THROW(CheckCustomSizeTexts(input.Size), QuiltixError);
    }
}

TEST(MosaicSizeTest, MainImageFitDecidesMosaicAndCrop)
{
    const TMosaicSizeInput a2 = Input(B, kA2, kPpi96, L);
    const struct {
        const char* Name;
        TMosaicSizeInput Input;
        int Width;
        int Height;
        bool Crop;
    } rows[] = {
        {"best fit 4:3", WithMainImage(a2, 1600, 1200, TMainImageFit::BestFit), 2112, 1584, false},
        {"best fit wide", WithMainImage(a2, 1000, 100, TMainImageFit::BestFit), 2244, 224, false},
        {"best fit thin raised to a pixel", WithMainImage(a2, 100000, 1, TMainImageFit::BestFit), 2244, 1, false},
        {"crop", WithMainImage(a2, 1600, 1200, TMainImageFit::CropToFill), 2244, 1584, true},
        {"stretch", WithMainImage(a2, 1600, 1200, TMainImageFit::StretchToFill), 2244, 1584, false},
        // 999 / 104 * 104 falls just short of 999 in floating point.
        {"best fit limiting side is exact", WithMainImage(Input(B, kB3, kPpi72, L), 100, 104, TMainImageFit::BestFit),
         960, 999, false},
    };
    for (const auto& row : rows) {
        const TMosaicSizeResult result = ComputeMosaicSize(row.Input);
        EXPECT_EQ(result.MosaicWidth, row.Width) << row.Name;
        EXPECT_EQ(result.MosaicHeight, row.Height) << row.Name;
        EXPECT_EQ(result.CropMainImage, row.Crop) << row.Name;
        EXPECT_EQ(result.SizeLabel, std::to_string(row.Width) + " x " + std::to_string(row.Height) + " Pixels")
            << row.Name;
    }
}

TEST(MosaicSizeTest, WithoutMainImageTheMosaicStaysAsItWas)
{
    TMosaicSizeInput input = Input(B, kA4, kPpi72, P);
    input.MosaicWidth = 1000;
    input.MosaicHeight = 700;
    input.CropMainImage = true;
    input.Size.Fit = TMainImageFit::StretchToFill;
    const TMosaicSizeResult result = ComputeMosaicSize(input);
    EXPECT_EQ(result.PaperWidth, 594);
    EXPECT_EQ(result.MosaicWidth, 1000);
    EXPECT_EQ(result.MosaicHeight, 700);
    EXPECT_TRUE(result.CropMainImage);
    EXPECT_EQ(result.SizeLabel, "1000 x 700 Pixels");
}

TEST(MosaicSizeTest, BestFitOfAMainImageWithoutPixelsIsRefused)
{
    EXPECT_THROW(ComputeMosaicSize(WithMainImage(Input(B, kA2, kPpi96, L), 0, 0, TMainImageFit::BestFit)),
                 QuiltixError);
    EXPECT_EQ(ComputeMosaicSize(WithMainImage(Input(B, kA2, kPpi96, L), 0, 0, TMainImageFit::StretchToFill))
                  .MosaicWidth,
              2244);
}

TEST(MosaicSizeTest, PagesCoverTheMosaic)
{
    const TMosaicSizeInput stretchedA2 =
        WithMainImage(Input(A, kAdvancedA2, kPpi96, L), 10, 10, TMainImageFit::StretchToFill);
    const struct {
        const char* Name;
        TPageOutputControls Pages;
        int PageWidth;
        int PageHeight;
        const char* PageCount;
    } rows[] = {
        {"1024 pages", {false, 1024, 1024}, 1024, 1024, "Page Count = 3 x 2 = 6"},
        {"1000 pages", {false, 1000, 1000}, 1000, 1000, "Page Count = 3 x 2 = 6"},
        {"exact fit leaves no extra page", {false, 1122, 792}, 1122, 792, "Page Count = 2 x 2 = 4"},
        {"one pixel over", {false, 1121, 1584}, 1121, 1584, "Page Count = 3 x 1 = 3"},
        {"single page ignores the edits", {true, 1000, 1000}, 2244, 1584, "Page Count = 1 x 1 = 1"},
        {"zero edits raised to a pixel", {false, 0, 0}, 1, 1, "Page Count = 2244 x 1584 = 3554496"},
    };
    for (const auto& row : rows) {
        TMosaicSizeInput input = stretchedA2;
        input.Pages = row.Pages;
        const TMosaicSizeResult result = ComputeMosaicSize(input);
        EXPECT_EQ(result.PageWidth, row.PageWidth) << row.Name;
        EXPECT_EQ(result.PageHeight, row.PageHeight) << row.Name;
        EXPECT_EQ(result.Pages.PageCount, row.PageCount) << row.Name;
    }
}

TEST(MosaicSizeTest, PageLabelsDescribeThePageEdits)
{
    const TPageLabels labels = ComputePageLabels({true, 1000, 1000}, 96, 3, 2);
    EXPECT_EQ(labels.WidthInch, "10.42 inch");
    EXPECT_EQ(labels.HeightInch, "10.42 inch");
    EXPECT_EQ(labels.WidthCm, "26.46 cm");
    EXPECT_EQ(labels.HeightCm, "26.46 cm");
    EXPECT_EQ(labels.EachPage, "Each Page: 3.81MB");
    EXPECT_EQ(labels.PageCount, "Page Count = 3 x 2 = 6");

    const TPageLabels small = ComputePageLabels({false, 12, 1024}, 96, 1, 1);
    EXPECT_EQ(small.WidthInch, "0.13 inch");
    EXPECT_EQ(small.HeightCm, "27.09 cm");
    EXPECT_EQ(small.EachPage, "Each Page: 0.05MB");
}

TEST(MosaicSizeTest, AdvancedSizeLabelShowsMegabytesAndWarnsAbove400)
{
    EXPECT_EQ(MosaicSizeLabel(TPanelKind::Advanced, 2244, 1584), "2244 x 1584 Pixels   = 13MB");
    EXPECT_EQ(MosaicSizeLabel(TPanelKind::Tile, 2244, 1584), "2244 x 1584 Pixels");

    const TMosaicSizeResult largest =
        ComputeMosaicSize(WithMainImage(Input(A, 9, kPpi200, L), 4, 3, TMainImageFit::StretchToFill));
    EXPECT_EQ(largest.SizeLabel, "8000 x 6400 Pixels   = 195MB");
    EXPECT_FALSE(largest.HugeFile);

    EXPECT_FALSE(IsHugeMosaic(8000, 8000));
    EXPECT_FALSE(IsHugeMosaic(10240, 10240));
    EXPECT_TRUE(IsHugeMosaic(10240, 10300));
}

TEST(MosaicSizeTest, DefaultControlsFollowThePanel)
{
    const struct {
        TPanelKind Panel;
        int Paper;
        const char* Width;
        const char* Height;
    } rows[] = {{TPanelKind::Beginner, 12, "16", "24"}, {TPanelKind::Advanced, 13, "16", "24"},
                {TPanelKind::Tile, 21, "20", "20"}};
    for (const auto& row : rows) {
        const TMosaicSizeControls controls = DefaultSizeControls(row.Panel);
        EXPECT_EQ(controls.PaperIndex, row.Paper);
        EXPECT_EQ(controls.CustomWidthText, row.Width);
        EXPECT_EQ(controls.CustomHeightText, row.Height);
        EXPECT_EQ(controls.PpiIndex, 1);
    }
}

} // namespace
} // namespace qx
