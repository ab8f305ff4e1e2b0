#include "panels/TileSettings.h"

#include "PanelTestFolder.h"
#include "common/QuiltixError.h"
#include "project/TqxProject07.h"

#include <gtest/gtest.h>

#include <functional>

namespace qx {
namespace {

TEST(TileSettingsTest, DefaultsGiveOneInchTilesOnATwentyInchWall)
{
    const test::PanelTestFolder folder;
    TTileSettings settings;
    settings.MainImage = {folder.MakeFile("wall.jpg"), false, 500, 500};
    TqxProject07 project;
    const TTileUpdateResult result = UpdateTileProject(settings, project);

    EXPECT_EQ(project.PPI, 96);
    EXPECT_EQ(result.Size.PaperWidth, 1920);
    EXPECT_EQ(result.Size.PaperHeight, 1920);
    EXPECT_TRUE(result.Size.CustomEditsEnabled);
    EXPECT_EQ(project.MosaicWidth, 1920);
    EXPECT_EQ(project.MosaicHeight, 1920);
    EXPECT_EQ(project.PageWidth, 1920);
    EXPECT_EQ(project.PageHeight, 1920);
    EXPECT_EQ(project.CellWidth, 96);
    EXPECT_EQ(project.CellHeight, 96);
    EXPECT_EQ(result.Tile.AspectLabel, "Cell Aspect Ratio = 1.0000");
    EXPECT_EQ(project.RepeatRadius, 1);
    EXPECT_FALSE(project.LimitRepeat);
    EXPECT_EQ(project.MaxRepeat, 20);
    EXPECT_EQ(project.MinRepeat, 1);
    EXPECT_EQ(project.MaxShapeDiff, 40);
    EXPECT_EQ(project.MaxColorDiffAvg, 50);
    EXPECT_EQ(project.MaxColorDiffSingle, 60);
    EXPECT_EQ(project.RandomLevel, 20);
}

TEST(TileSettingsTest, FixedSettingsHoldWhateverThePreviewBoxShows)
{
    TTileSettings settings;
    settings.MonoCellPreview = true;
    TqxProject07 project;
    project.AllowHorzFlip = true;
    project.BorderSize = 9;
    UpdateTileProject(settings, project);

    EXPECT_TRUE(project.CropCellImage);
    EXPECT_FALSE(project.MonoCellImage);
    EXPECT_FALSE(project.AllowHorzFlip);
    EXPECT_FALSE(project.AllowVertFlip);
    EXPECT_EQ(project.EnhanceLevel, 50);
    EXPECT_EQ(project.AlphaBlendMain, 50);
    EXPECT_EQ(project.AlphaBlendPen, 255);
    EXPECT_EQ(project.BorderSize, 0);
    EXPECT_EQ(project.BorderColor, 0xFFFFFFu);
    for (const TCurvePoint& point : project.EnhanceCurve) {
        EXPECT_EQ(point, (TCurvePoint{0, 5}));
    }
    for (const TCurvePoint& point : project.AlphaCurve) {
        EXPECT_EQ(point, (TCurvePoint{0, 5}));
    }
}

TEST(TileSettingsTest, TileSizeBecomesCellSize)
{
    const struct {
        const char* Width;
        const char* Height;
        TTileUnit Unit;
        int CellWidth;
        int CellHeight;
        const char* WidthText;
        const char* HeightText;
    } rows[] = {
        {"2", "1", TTileUnit::Inch, 192, 96, "2", "1"},
        {"0.3", "1", TTileUnit::Inch, 38, 96, "0.4", "1"},
        {"1", "1", TTileUnit::Millimetre, 37, 37, "10", "10"},
        {"25", "25", TTileUnit::Millimetre, 94, 94, "25", "25"},
        {"abc", "1", TTileUnit::Inch, 96, 96, "1", "1"},
    };
    for (const auto& row : rows) {
        TTileSettings settings;
        settings.TileWidthText = row.Width;
        settings.TileHeightText = row.Height;
        settings.TileUnit = row.Unit;
        TqxProject07 project;
        const TTileUpdateResult result = UpdateTileProject(settings, project);
        EXPECT_EQ(project.CellWidth, row.CellWidth) << row.Width;
        EXPECT_EQ(project.CellHeight, row.CellHeight) << row.Height;
        EXPECT_EQ(result.Tile.WidthText, row.WidthText) << row.Width;
        EXPECT_EQ(result.Tile.HeightText, row.HeightText) << row.Height;
    }
}

TEST(TileSettingsTest, TileStillBeingTypedLeavesTheDefaultCell)
{
    TTileSettings settings;
    settings.TileWidthText = "0.";
    TqxProject07 project;
    const TTileUpdateResult result = UpdateTileProject(settings, project);
    EXPECT_FALSE(result.Tile.Applied);
    EXPECT_EQ(project.CellWidth, 48);
    EXPECT_EQ(project.CellHeight, 48);
}

TEST(TileSettingsTest, WallAndRepeatOptions)
{
    const struct {
        const char* Name;
        std::function<void(TTileSettings&)> Change;
        std::function<void(const TqxProject07&, const TTileUpdateResult&)> Check;
    } rows[] = {
        {"wall clamped to 40 inch", [](auto& s) { s.Wall.WidthText = "55"; },
         [](const auto&, const auto& r) {
             EXPECT_EQ(r.Size.CustomWidthText, "40");
             EXPECT_EQ(r.Size.PaperWidth, 3840);
         }},
        {"wall in cm, portrait",
         [](auto& s) {
             s.Wall = {"100", "50", TSizeUnit::Cm, TOrientation::Portrait, TMainImageFit::BestFit};
         },
         [](const auto&, const auto& r) {
             EXPECT_EQ(r.Size.PaperWidth, 1889);
             EXPECT_EQ(r.Size.PaperHeight, 3779);
         }},
        {"radius within 0..100", [](auto& s) { s.Match.RepeatRadius = 150; },
         [](const auto& p, const auto&) { EXPECT_EQ(p.RepeatRadius, 100); }},
        {"repeat limit", [](auto& s) { s.Match = {4, true, 7, 2, 60, 1, 2, 3}; },
         [](const auto& p, const auto&) {
             EXPECT_EQ(p.RepeatRadius, 4);
             EXPECT_TRUE(p.LimitRepeat);
             EXPECT_EQ(p.MaxRepeat, 7);
             EXPECT_EQ(p.MinRepeat, 2);
             EXPECT_EQ(p.RandomLevel, 60);
             EXPECT_EQ(p.MaxColorDiffAvg, 1);
             EXPECT_EQ(p.MaxColorDiffSingle, 2);
             EXPECT_EQ(p.MaxShapeDiff, 3);
         }},
        {"pattern", [](auto& s) { s.Pattern = {2, 5}; },
         [](const auto& p, const auto&) {
             EXPECT_EQ(p.MaskIndex, 2);
             EXPECT_EQ(p.PatternIndex, 5);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        TTileSettings settings;
        row.Change(settings);
        TqxProject07 project;
        const TTileUpdateResult result = UpdateTileProject(settings, project);
        row.Check(project, result);
    }
}

TEST(TileSettingsTest, BadSettingsAreRefusedBeforeTheProjectChanges)
{
    const struct {
        const char* Name;
        std::function<void(TTileSettings&)> Change;
    } rows[] = {
        {"wall text", [](auto& s) { s.Wall.HeightText = "x"; }},
        {"tile too large", [](auto& s) { s.TileWidthText = "1000"; }},
    };
    for (const auto& row : rows) {
        TTileSettings settings;
        row.Change(settings);
        TqxProject07 project;
        project.MaxShapeDiff = 77;
        EXPECT_THROW(UpdateTileProject(settings, project), QuiltixError) << row.Name;
        EXPECT_EQ(project.MaxShapeDiff, 77) << row.Name;
    }
}

} // namespace
} // namespace qx
