#include "panels/AdvancedSettings.h"

#include "PanelTestFolder.h"
#include "common/QuiltixError.h"
#include "project/TqxProject07.h"

#include <gtest/gtest.h>

#include <functional>

namespace qx {
namespace {

TEST(AdvancedSettingsTest, DefaultsGiveThePanelsProject)
{
    TAdvancedSettings settings;
    settings.EnhanceCurve = {{{10, 255}, {50, 190}, {100, 150}, {150, 120}, {200, 100}}};
    settings.AlphaCurve = {{{10, 0}, {15, 20}, {35, 40}, {50, 50}, {120, 75}}};
    TqxProject07 project;
    project.EnhanceCurve = {};
    const TMosaicSizeResult size = UpdateAdvancedProject(settings, project);

    EXPECT_EQ(project.PPI, 96);
    EXPECT_EQ(size.PaperWidth, 2244);
    EXPECT_EQ(size.PaperHeight, 1584);
    EXPECT_EQ(project.PageWidth, project.MosaicWidth);
    EXPECT_EQ(project.PageHeight, project.MosaicHeight);
    EXPECT_EQ(project.CellWidth, 48);
    EXPECT_EQ(project.CellHeight, 36);
    EXPECT_TRUE(project.CropCellImage);
    EXPECT_FALSE(project.MonoCellImage);
    EXPECT_FALSE(project.AllowHorzFlip);
    EXPECT_FALSE(project.AllowVertFlip);
    EXPECT_EQ(project.EnhanceLevel, 50);
    EXPECT_EQ(project.AlphaBlendMain, 50);
    EXPECT_EQ(project.AlphaBlendPen, 255);
    EXPECT_EQ(project.RepeatRadius, 1);
    EXPECT_FALSE(project.LimitRepeat);
    EXPECT_EQ(project.MaxRepeat, 20);
    EXPECT_EQ(project.MinRepeat, 1);
    EXPECT_EQ(project.MaxShapeDiff, 30);
    EXPECT_EQ(project.MaxColorDiffAvg, 40);
    EXPECT_EQ(project.MaxColorDiffSingle, 50);
    EXPECT_EQ(project.RandomLevel, 20);
    EXPECT_EQ(project.BorderSize, 0);
    EXPECT_EQ(project.BorderColor, 0xFFFFFFu);
    EXPECT_EQ(project.EnhanceCurve, settings.EnhanceCurve);
    EXPECT_EQ(project.AlphaCurve, settings.AlphaCurve);
}

struct OptionCase {
    const char* Name;
    std::function<void(TAdvancedSettings&)> Change;
    std::function<void(const TqxProject07&)> Check;
};

void PrintTo(const OptionCase& row, std::ostream* out)
{
    *out << row.Name;
}

class AdvancedOptionTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(AdvancedOptionTest, OptionReachesItsField)
{
    TAdvancedSettings settings;
    GetParam().Change(settings);
    TqxProject07 project;
    UpdateAdvancedProject(settings, project);
    GetParam().Check(project);
}

INSTANTIATE_TEST_SUITE_P(
    Options, AdvancedOptionTest,
    ::testing::Values(
        OptionCase{"Flips",
                   [](auto& s) {
                       s.Render.AllowHorzFlip = true;
                       s.Render.AllowVertFlip = true;
                   },
                   [](const auto& p) {
                       EXPECT_TRUE(p.AllowHorzFlip);
                       EXPECT_TRUE(p.AllowVertFlip);
                   }},
        OptionCase{"CellOptions",
                   [](auto& s) {
                       s.Render.CropCellImage = false;
                       s.Render.MonoCellImage = true;
                   },
                   [](const auto& p) {
                       EXPECT_FALSE(p.CropCellImage);
                       EXPECT_TRUE(p.MonoCellImage);
                   }},
        OptionCase{"RenderOptionBoxOverridesThePreviewBox",
                   [](auto& s) {
                       s.MonoCellPreview = true;
                       s.Render.MonoCellImage = false;
                   },
                   [](const auto& p) { EXPECT_FALSE(p.MonoCellImage); }},
        OptionCase{"LevelsWithinTheirBars",
                   [](auto& s) {
                       s.Render.EnhanceLevel = 300;
                       s.Render.AlphaBlendMain = -4;
                       s.Render.AlphaBlendPen = 128;
                   },
                   [](const auto& p) {
                       EXPECT_EQ(p.EnhanceLevel, 255);
                       EXPECT_EQ(p.AlphaBlendMain, 0);
                       EXPECT_EQ(p.AlphaBlendPen, 128);
                   }},
        OptionCase{"RepeatLimitsPassUncheckedAgainstEachOther",
                   [](auto& s) {
                       s.Match.LimitRepeat = true;
                       s.Match.MaxRepeat = 3;
                       s.Match.MinRepeat = 5;
                   },
                   [](const auto& p) {
                       EXPECT_TRUE(p.LimitRepeat);
                       EXPECT_EQ(p.MaxRepeat, 3);
                       EXPECT_EQ(p.MinRepeat, 5);
                   }},
        OptionCase{"RadiusHasNoUpperLimit", [](auto& s) { s.Match.RepeatRadius = 1000; },
                   [](const auto& p) { EXPECT_EQ(p.RepeatRadius, 1000); }},
        OptionCase{"SpinEditsStartAtZero",
                   [](auto& s) {
                       s.Match.RepeatRadius = -2;
                       s.Match.MaxShapeDiff = -1;
                       s.Match.MaxColorDiffAvg = -1;
                       s.Match.MaxColorDiffSingle = -1;
                   },
                   [](const auto& p) {
                       EXPECT_EQ(p.RepeatRadius, 0);
                       EXPECT_EQ(p.MaxShapeDiff, 0);
                       EXPECT_EQ(p.MaxColorDiffAvg, 0);
                       EXPECT_EQ(p.MaxColorDiffSingle, 0);
                   }},
        OptionCase{"DifferenceLimits",
                   [](auto& s) {
                       s.Match.MaxShapeDiff = 11;
                       s.Match.MaxColorDiffAvg = 22;
                       s.Match.MaxColorDiffSingle = 33;
                       s.Match.RandomLevel = 100;
                   },
                   [](const auto& p) {
                       EXPECT_EQ(p.MaxShapeDiff, 11);
                       EXPECT_EQ(p.MaxColorDiffAvg, 22);
                       EXPECT_EQ(p.MaxColorDiffSingle, 33);
                       EXPECT_EQ(p.RandomLevel, 100);
                   }},
        OptionCase{"Border", [](auto& s) { s.Border = {-1, 0xFF0000FFu}; },
                   [](const auto& p) {
                       EXPECT_EQ(p.BorderSize, 0);
                       EXPECT_EQ(p.BorderColor, 0x0000FFu);
                   }},
        OptionCase{"CurvesClampedIntoRange",
                   [](auto& s) {
                       s.EnhanceCurve = {{{-5, 300}, {50, 190}, {100, 150}, {150, 120}, {400, -1}}};
                   },
                   [](const auto& p) {
                       const TCurvePoints expected{{{0, 255}, {50, 190}, {100, 150}, {150, 120}, {255, 0}}};
                       EXPECT_EQ(p.EnhanceCurve, expected);
                   }},
        OptionCase{"StoresStartingAtZeroGiveZeroCurves", [](auto&) {},
                   [](const auto& p) {
                       EXPECT_EQ(p.EnhanceCurve, TCurvePoints{});
                       EXPECT_EQ(p.AlphaCurve, TCurvePoints{});
                   }},
        OptionCase{"AdvancedPaperIndices",
                   [](auto& s) {
                       s.Size.PaperIndex = 17;
                       s.Size.PpiIndex = 0;
                   },
                   [](const auto& p) { EXPECT_EQ(p.PPI, 72); }}),
    [](const auto& testCase) { return std::string(testCase.param.Name); });

TEST(AdvancedSettingsTest, MultiPageOutputTakesThePageEdits)
{
    const test::PanelTestFolder folder;
    TAdvancedSettings settings;
    settings.MainImage = {folder.MakeFile("main.bmp"), false, 400, 300};
    settings.Size.Fit = TMainImageFit::StretchToFill;
    settings.Pages = {false, 1000, 1000};
    TqxProject07 project;
    const TMosaicSizeResult size = UpdateAdvancedProject(settings, project);

    EXPECT_EQ(project.MosaicWidth, 2244);
    EXPECT_EQ(project.MosaicHeight, 1584);
    EXPECT_EQ(project.PageWidth, 1000);
    EXPECT_EQ(project.PageHeight, 1000);
    EXPECT_EQ(size.Pages.PageCount, "Page Count = 3 x 2 = 6");
    EXPECT_EQ(size.Pages.EachPage, "Each Page: 3.81MB");
    EXPECT_EQ(size.SizeLabel, "2244 x 1584 Pixels   = 13MB");

    settings.Pages.SinglePage = true;
    const TMosaicSizeResult single = UpdateAdvancedProject(settings, project);
    EXPECT_EQ(project.PageWidth, 2244);
    EXPECT_EQ(project.PageHeight, 1584);
    EXPECT_EQ(single.Pages.WidthInch, "10.42 inch");
}

TEST(AdvancedSettingsTest, BadSettingsAreRefusedBeforeTheProjectChanges)
{
    const struct {
        const char* Name;
        std::function<void(TAdvancedSettings&)> Change;
    } rows[] = {
        {"cell width", [](auto& s) { s.CellWidth = 0; }},
        {"custom text", [](auto& s) { s.Size.CustomWidthText = "wide"; }},
    };
    for (const auto& row : rows) {
        TAdvancedSettings settings;
        row.Change(settings);
        TqxProject07 project;
        project.MaxShapeDiff = 77;
        EXPECT_THROW(UpdateAdvancedProject(settings, project), QuiltixError) << row.Name;
        EXPECT_EQ(project.MaxShapeDiff, 77) << row.Name;
    }
}

} // namespace
} // namespace qx
