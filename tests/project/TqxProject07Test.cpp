#include "project/TqxProject07.h"

#include "ProjectFieldProbes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using probes::AllFields;
using probes::PokedProject;
using qx::TqxProject07;

namespace {

const std::set<std::string> kResetFields{
    "ProjectStage", "MosaicWidth", "MosaicHeight", "CellWidth", "CellHeight", "PPI", "Reserved_R1",
    "BorderSize", "BorderColor", "BackgroundColor", "MainImageAsBackground", "MaxShapeDiff",
    "MaxColorDiffAvg", "MaxColorDiffSingle", "EnhanceCurve", "AlphaCurve", "EnhanceLevel", "RandomLevel",
    "Reserved_R6", "AlphaBlendMain", "AlphaBlendPen", "StretchFilter", "MainImageLoaded",
    "MainimageFilename", "MonoMainImage", "CropMainImage", "MaskIndex", "PatternIndex", "Reserved_R3a",
    "CropCellImage", "MonoCellImage", "AllowHorzFlip", "AllowVertFlip", "RepeatRadius", "LimitRepeat",
    "MinRepeat", "MaxRepeat", "RotateTiles", "RotationSteps",
};

const std::set<std::string> kCopiedFields{
    "Projectpath", "Projectname", "PageWidth", "PageHeight", "ProjectStage", "MosaicWidth", "MosaicHeight",
    "CellWidth", "CellHeight", "PPI", "Reserved_R1", "BorderSize", "BorderColor", "BackgroundColor",
    "MainImageAsBackground", "MainimageFilename", "OrgMainimageFilename", "MainImageLoaded", "CropMainImage",
    "MonoMainImage", "MaskIndex", "PatternIndex", "Reserved_R3a", "CropCellImage", "MonoCellImage",
    "AllowHorzFlip", "AllowVertFlip", "RepeatRadius", "LimitRepeat", "MinRepeat", "MaxRepeat", "RotateTiles",
    "RotationSteps", "EnhanceLevel", "RandomLevel", "AlphaBlendMain", "AlphaBlendPen", "StretchFilter",
    "MaxColorDiffAvg", "MaxColorDiffSingle", "MaxShapeDiff", "EnhanceCurve", "AlphaCurve", "Reserved_R7a",
    "Reserved_R7b",
};

// Every listed name must be a field of the record, or a typo would make a
// field silently count as "left alone".
void ExpectKnownNames(const std::set<std::string>& names)
{
    std::set<std::string> known;
    for (const auto& f : AllFields())
        known.insert(f.Name);
    for (const auto& n : names)
        EXPECT_TRUE(known.count(n)) << n;
}

// Derived state that differs between two records, so a copy or reset that
// touches it shows.
void MarkDerivedState(TqxProject07& p, int seed)
{
    p.EnhanceTable[3] = seed;
    p.AlphaTable[200] = seed + 1;
    p.CurrentPattern.MaskName = "mask" + std::to_string(seed);
    p.CurrentPattern.LayerCount = seed % 6;
    for (int k = 0; k < 7; ++k) {
        p.Layers[k].Cells.resize(static_cast<std::size_t>(seed + k));
        p.Layers[k].Enabled = k % 2 == 0;
    }
}

void ExpectDerivedState(const TqxProject07& p, int seed)
{
    EXPECT_EQ(p.EnhanceTable[3], seed);
    EXPECT_EQ(p.AlphaTable[200], seed + 1);
    EXPECT_EQ(p.CurrentPattern.MaskName, "mask" + std::to_string(seed));
    EXPECT_EQ(p.CurrentPattern.LayerCount, seed % 6);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(p.Layers[k].CellCount(), seed + k);
        EXPECT_EQ(p.Layers[k].Enabled, k % 2 == 0);
    }
}

} // namespace

TEST(TqxProject07, FreshRecordHoldsTheDefaults)
{
    const TqxProject07 p;
    EXPECT_EQ(p.Projectpath, "");
    EXPECT_EQ(p.Projectname, "");
    EXPECT_EQ(p.OrgMainimageFilename, "");
    EXPECT_EQ(p.MainimageFilename, "");
    EXPECT_EQ(p.ProjectStage, 0);
    EXPECT_EQ(p.MosaicWidth, 1024);
    EXPECT_EQ(p.MosaicHeight, 1024);
    EXPECT_EQ(p.CellWidth, 48);
    EXPECT_EQ(p.CellHeight, 48);
    EXPECT_EQ(p.PPI, 72);
    EXPECT_EQ(p.PageWidth, 0);
    EXPECT_EQ(p.PageHeight, 0);
    EXPECT_EQ(p.BorderSize, 0);
    EXPECT_EQ(p.BorderColor, 0x00FFFFFFu);
    EXPECT_EQ(p.BackgroundColor, 0u);
    EXPECT_TRUE(p.MainImageAsBackground);
    EXPECT_FALSE(p.MainImageLoaded);
    EXPECT_FALSE(p.CropMainImage);
    EXPECT_FALSE(p.MonoMainImage);
    EXPECT_TRUE(p.CropCellImage);
    EXPECT_FALSE(p.MonoCellImage);
    EXPECT_FALSE(p.AllowHorzFlip);
    EXPECT_FALSE(p.AllowVertFlip);
    EXPECT_EQ(p.RepeatRadius, 0);
    EXPECT_FALSE(p.LimitRepeat);
    EXPECT_EQ(p.MinRepeat, 0);
    EXPECT_EQ(p.MaxRepeat, 400);
    EXPECT_FALSE(p.RotateTiles);
    EXPECT_EQ(p.RotationSteps, (std::array<bool, 24>{}));
    EXPECT_EQ(p.MaskIndex, 1);
    EXPECT_EQ(p.PatternIndex, 1);
    EXPECT_EQ(p.EnhanceLevel, 40);
    EXPECT_EQ(p.RandomLevel, 4);
    EXPECT_EQ(p.AlphaBlendMain, 70);
    EXPECT_EQ(p.AlphaBlendPen, 255);
    EXPECT_EQ(p.StretchFilter, 4);
    EXPECT_EQ(p.EnhanceCurve, (qx::TCurvePoints{{{10, 255}, {50, 190}, {100, 150}, {150, 120}, {200, 100}}}));
    EXPECT_EQ(p.AlphaCurve, (qx::TCurvePoints{{{10, 0}, {15, 20}, {35, 40}, {50, 50}, {120, 75}}}));
    EXPECT_EQ(p.MaxColorDiffAvg, 50);
    EXPECT_EQ(p.MaxColorDiffSingle, 60);
    EXPECT_EQ(p.MaxShapeDiff, 40);
    EXPECT_EQ(p.Reserved_R4, (std::array<std::uint8_t, 56>{}));
    EXPECT_EQ(p.Reserved_R7a, 0);
    for (const auto& layer : p.Layers) {
        EXPECT_EQ(layer.CellCount(), 0);
        EXPECT_FALSE(layer.Enabled);
        EXPECT_FALSE(layer.Excluded);
    }
}

TEST(TqxProject07, ResetDefaultsWritesExactlyItsFieldsAndKeepsDerivedState)
{
    ExpectKnownNames(kResetFields);
    const TqxProject07 fresh;
    const TqxProject07 poked = PokedProject();
    TqxProject07 p = PokedProject();
    MarkDerivedState(p, 9);
    p.ResetDefaults();
    for (const auto& f : AllFields()) {
        SCOPED_TRACE(f.Name);
        EXPECT_EQ(f.Show(p), f.Show(kResetFields.count(f.Name) ? fresh : poked));
    }
    ExpectDerivedState(p, 9);
}

TEST(TqxProject07, CopySettingsFromCopiesExactlyItsFieldsAndKeepsDerivedState)
{
    ExpectKnownNames(kCopiedFields);
    const TqxProject07 fresh;
    TqxProject07 source = PokedProject();
    MarkDerivedState(source, 4);
    TqxProject07 target;
    MarkDerivedState(target, 11);
    target.CopySettingsFrom(source);
    for (const auto& f : AllFields()) {
        SCOPED_TRACE(f.Name);
        ASSERT_NE(f.Show(source), f.Show(fresh)) << "a probe value must differ from the default";
        EXPECT_EQ(f.Show(target), f.Show(kCopiedFields.count(f.Name) ? source : fresh));
    }
    ExpectDerivedState(target, 11);
}
