#include "panels/BeginnerSettings.h"

#include "PanelTestFolder.h"
#include "common/QuiltixError.h"
#include "project/TqxProject07.h"

#include <gtest/gtest.h>

#include <functional>

namespace qx {
namespace {

TEST(BeginnerSettingsTest, DefaultsGiveThePanelsProject)
{
    TqxProject07 project;
    const TMosaicSizeResult size = UpdateBeginnerProject(TBeginnerSettings{}, project);

    EXPECT_EQ(project.PPI, 96);
    EXPECT_EQ(size.PaperWidth, 2244);
    EXPECT_EQ(size.PaperHeight, 1584);
    // Without a main image the mosaic keeps the record's size.
    EXPECT_EQ(project.MosaicWidth, 1024);
    EXPECT_EQ(project.MosaicHeight, 1024);
    EXPECT_EQ(project.PageWidth, 1024);
    EXPECT_EQ(project.PageHeight, 1024);
    EXPECT_EQ(project.CellWidth, 48);
    EXPECT_EQ(project.CellHeight, 36);
    EXPECT_EQ(project.MaskIndex, 1);
    EXPECT_EQ(project.PatternIndex, 1);
    EXPECT_FALSE(project.MainImageLoaded);
    EXPECT_TRUE(project.CropCellImage);
    EXPECT_FALSE(project.MonoCellImage);
    EXPECT_EQ(project.RandomLevel, 20);
    EXPECT_EQ(project.BorderSize, 0);
    EXPECT_EQ(project.BorderColor, 0xFFFFFFu);
    const TCurvePoints enhance{{{9, 255}, {50, 190}, {101, 141}, {151, 108}, {212, 90}}};
    const TCurvePoints alpha{{{9, 0}, {20, 20}, {36, 39}, {51, 50}, {121, 69}}};
    EXPECT_EQ(project.EnhanceCurve, enhance);
    EXPECT_EQ(project.AlphaCurve, alpha);
    // What the panel offers no control for keeps the record's defaults.
    EXPECT_FALSE(project.LimitRepeat);
    EXPECT_EQ(project.MinRepeat, 0);
    EXPECT_EQ(project.MaxRepeat, 400);
    EXPECT_EQ(project.EnhanceLevel, 40);
    EXPECT_EQ(project.AlphaBlendMain, 70);
    EXPECT_EQ(project.RepeatRadius, 0);
    EXPECT_FALSE(project.AllowHorzFlip);
}

TEST(BeginnerSettingsTest, UpdateStartsFromResetDefaults)
{
    TqxProject07 project;
    project.Projectpath = "/projects/old";
    project.Projectname = "old";
    project.EnhanceLevel = 99;
    project.AllowHorzFlip = true;
    project.MainImageLoaded = true;
    project.MainimageFilename = "/gone/main.jpg";
    project.MosaicWidth = 5;

    UpdateBeginnerProject(TBeginnerSettings{}, project);
    EXPECT_EQ(project.Projectpath, "/projects/old");
    EXPECT_EQ(project.Projectname, "old");
    EXPECT_EQ(project.EnhanceLevel, 40);
    EXPECT_FALSE(project.AllowHorzFlip);
    EXPECT_FALSE(project.MainImageLoaded);
    EXPECT_EQ(project.MainimageFilename, "");
    EXPECT_EQ(project.MosaicWidth, 1024);
}

struct OptionCase {
    const char* Name;
    std::function<void(TBeginnerSettings&)> Change;
    std::function<void(const TqxProject07&)> Check;
};

void PrintTo(const OptionCase& row, std::ostream* out)
{
    *out << row.Name;
}

class BeginnerOptionTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(BeginnerOptionTest, OptionReachesItsField)
{
    TBeginnerSettings settings;
    GetParam().Change(settings);
    TqxProject07 project;
    UpdateBeginnerProject(settings, project);
    GetParam().Check(project);
}

INSTANTIATE_TEST_SUITE_P(
    Options, BeginnerOptionTest,
    ::testing::Values(
        OptionCase{"UseAllPhotos", [](auto& s) { s.UseAllPhotos = true; },
                   [](const auto& p) {
                       EXPECT_TRUE(p.LimitRepeat);
                       EXPECT_EQ(p.MaxRepeat, 999);
                       EXPECT_EQ(p.MinRepeat, 1);
                   }},
        OptionCase{"MonoCellImage", [](auto& s) { s.MonoCellImage = true; },
                   [](const auto& p) { EXPECT_TRUE(p.MonoCellImage); }},
        OptionCase{"PreviewBoxDoesNotReachTheProject",
                   [](auto& s) {
                       s.MonoCellPreview = true;
                       s.MonoCellImage = false;
                   },
                   [](const auto& p) { EXPECT_FALSE(p.MonoCellImage); }},
        OptionCase{"CropCellImage", [](auto& s) { s.CropCellImage = false; },
                   [](const auto& p) { EXPECT_FALSE(p.CropCellImage); }},
        OptionCase{"Border", [](auto& s) { s.Border = {7, 0x123456}; },
                   [](const auto& p) {
                       EXPECT_EQ(p.BorderSize, 7);
                       EXPECT_EQ(p.BorderColor, 0x123456u);
                   }},
        OptionCase{"NegativeBorderIsZero", [](auto& s) { s.Border.Size = -5; },
                   [](const auto& p) { EXPECT_EQ(p.BorderSize, 0); }},
        OptionCase{"BorderAboveItsRange", [](auto& s) { s.Border.Size = 25; },
                   [](const auto& p) { EXPECT_EQ(p.BorderSize, 20); }},
        OptionCase{"RandomLevel", [](auto& s) { s.RandomLevel = 55; },
                   [](const auto& p) { EXPECT_EQ(p.RandomLevel, 55); }},
        OptionCase{"RandomLevelBelowItsRange", [](auto& s) { s.RandomLevel = 0; },
                   [](const auto& p) { EXPECT_EQ(p.RandomLevel, 1); }},
        OptionCase{"CellSize",
                   [](auto& s) {
                       s.CellWidth = 30;
                       s.CellHeight = 20;
                   },
                   [](const auto& p) {
                       EXPECT_EQ(p.CellWidth, 30);
                       EXPECT_EQ(p.CellHeight, 20);
                   }},
        OptionCase{"Pattern", [](auto& s) { s.Pattern = {3, 2}; },
                   [](const auto& p) {
                       EXPECT_EQ(p.MaskIndex, 3);
                       EXPECT_EQ(p.PatternIndex, 2);
                   }},
        OptionCase{"EmptyShapeListKeepsDefaults", [](auto& s) { s.Pattern = {0, 0}; },
                   [](const auto& p) {
                       EXPECT_EQ(p.MaskIndex, 1);
                       EXPECT_EQ(p.PatternIndex, 1);
                   }},
        OptionCase{"PaperAndResolution",
                   [](auto& s) {
                       s.Size.PaperIndex = 14;
                       s.Size.PpiIndex = 0;
                   },
                   [](const auto& p) {
                       EXPECT_EQ(p.PPI, 72);
                       EXPECT_EQ(p.PageWidth, p.MosaicWidth);
                   }},
        OptionCase{"MissingMainImageIsNotLoaded", [](auto& s) { s.MainImage = {"/no/such/main.jpg", true, 800, 600}; },
                   [](const auto& p) {
                       EXPECT_FALSE(p.MainImageLoaded);
                       EXPECT_FALSE(p.MonoMainImage);
                       EXPECT_EQ(p.OrgMainimageFilename, "");
                       EXPECT_EQ(p.MosaicWidth, 1024);
                   }}),
    [](const auto& testCase) { return std::string(testCase.param.Name); });

struct PresetCase {
    int Index;
    TCurvePoints Enhance;
    TCurvePoints Alpha;
};

void PrintTo(const PresetCase& row, std::ostream* out)
{
    *out << "preset " << row.Index;
}

class BeginnerPresetTest : public ::testing::TestWithParam<PresetCase> {};

TEST_P(BeginnerPresetTest, PresetSetsBothCurves)
{
    TBeginnerSettings settings;
    settings.EnhancePreset = GetParam().Index;
    settings.AlphaPreset = GetParam().Index;
    TqxProject07 project;
    UpdateBeginnerProject(settings, project);
    EXPECT_EQ(project.EnhanceCurve, GetParam().Enhance);
    EXPECT_EQ(project.AlphaCurve, GetParam().Alpha);
}

INSTANTIATE_TEST_SUITE_P(
    Presets, BeginnerPresetTest,
    ::testing::Values(PresetCase{0,
                                 {{{0, 0}, {50, 0}, {60, 0}, {70, 0}, {80, 0}}},
                                 {{{0, 0}, {50, 0}, {60, 0}, {70, 0}, {80, 0}}}},
                      PresetCase{1,
                                 {{{6, 190}, {41, 134}, {76, 98}, {135, 66}, {201, 51}}},
                                 {{{0, 0}, {20, 8}, {42, 13}, {75, 17}, {150, 19}}}},
                      PresetCase{2,
                                 {{{9, 255}, {50, 190}, {101, 141}, {151, 108}, {212, 90}}},
                                 {{{9, 0}, {20, 20}, {36, 39}, {51, 50}, {121, 69}}}},
                      PresetCase{3,
                                 {{{9, 255}, {63, 199}, {97, 179}, {161, 154}, {210, 137}}},
                                 {{{10, 47}, {39, 70}, {62, 101}, {103, 128}, {158, 146}}}}),
    [](const auto& testCase) { return "Preset" + std::to_string(testCase.param.Index); });

TEST(BeginnerSettingsTest, PresetsAreFoundByStrength)
{
    EXPECT_EQ(CurvePresetIndexOf(EnhancePresets(), 25), 2);
    EXPECT_EQ(CurvePresetIndexOf(AlphaPresets(), 0), 0);
    EXPECT_EQ(CurvePresetIndexOf(AlphaPresets(), 50), 3);
    EXPECT_EQ(CurvePresetIndexOf(EnhancePresets(), 30), std::nullopt);
}

TEST(BeginnerSettingsTest, LoadedMainImageSizesTheMosaic)
{
    const test::PanelTestFolder folder;
    TBeginnerSettings settings;
    settings.MainImage = {folder.MakeFile("Holiday.JPG"), true, 1600, 1200};
    TqxProject07 project;
    const TMosaicSizeResult size = UpdateBeginnerProject(settings, project);

    EXPECT_TRUE(project.MainImageLoaded);
    EXPECT_TRUE(project.MonoMainImage);
    EXPECT_EQ(project.OrgMainimageFilename, settings.MainImage.File.string());
    EXPECT_EQ(project.MainimageFilename, settings.MainImage.File.string());
    EXPECT_EQ(project.MosaicWidth, 2112);
    EXPECT_EQ(project.MosaicHeight, 1584);
    EXPECT_EQ(project.PageWidth, 2112);
    EXPECT_EQ(project.PageHeight, 1584);
    EXPECT_FALSE(project.CropMainImage);
    EXPECT_EQ(size.SizeLabel, "2112 x 1584 Pixels");

    settings.Size.Fit = TMainImageFit::CropToFill;
    UpdateBeginnerProject(settings, project);
    EXPECT_TRUE(project.CropMainImage);
    EXPECT_EQ(project.MosaicWidth, 2244);
}

TEST(BeginnerSettingsTest, BadSettingsAreRefusedBeforeTheProjectChanges)
{
    const test::PanelTestFolder folder;
    const struct {
        const char* Name;
        std::function<void(TBeginnerSettings&)> Change;
    } rows[] = {
        {"enhance preset", [](auto& s) { s.EnhancePreset = 4; }},
        {"alpha preset", [](auto& s) { s.AlphaPreset = -1; }},
        {"cell width", [](auto& s) { s.CellWidth = 0; }},
        {"cell height", [](auto& s) { s.CellHeight = -3; }},
        {"custom text", [](auto& s) { s.Size.CustomHeightText = "tall"; }},
        {"unreadable main image", [&](auto& s) { s.MainImage = {folder.MakeFile("broken.bmp"), false, 0, 0}; }},
    };
    for (const auto& row : rows) {
        TBeginnerSettings settings;
        row.Change(settings);
        TqxProject07 project;
        project.EnhanceLevel = 99;
        EXPECT_THROW(UpdateBeginnerProject(settings, project), QuiltixError) << row.Name;
        EXPECT_EQ(project.EnhanceLevel, 99) << row.Name;
    }
}

TEST(BeginnerSettingsTest, RefusalsNameTheProblem)
{
    TBeginnerSettings settings;
    settings.CellWidth = 0;
    TqxProject07 project;
    try {
        UpdateBeginnerProject(settings, project);
        FAIL() << "a cell width of 0 was accepted";
    } catch (const QuiltixError& error) {
        EXPECT_STREQ(error.what(),
                     "The cell width of 0 pixels is too small; a cell must be at least 1 pixel on each side.");
    }
}

} // namespace
} // namespace qx
