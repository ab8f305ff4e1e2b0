#include "project/TqxProject07.h"

namespace qx {

namespace {

constexpr TCurvePoints kDefaultEnhanceCurve{{{10, 255}, {50, 190}, {100, 150}, {150, 120}, {200, 100}}};
constexpr TCurvePoints kDefaultAlphaCurve{{{10, 0}, {15, 20}, {35, 40}, {50, 50}, {120, 75}}};

} // namespace

TqxProject07::TqxProject07()
{
    ResetDefaults();
}

void TqxProject07::ResetDefaults()
{
    ProjectStage = 0;
    MosaicWidth = 1024;
    MosaicHeight = 1024;
    CellWidth = 48;
    CellHeight = 48;
    PPI = 72;
    Reserved_R1 = 0;
    BorderSize = 0;
    BorderColor = 0xFFFFFF;
    BackgroundColor = 0;
    MainImageAsBackground = true;

    MaxShapeDiff = 40;
    MaxColorDiffAvg = 50;
    MaxColorDiffSingle = 60;
    EnhanceCurve = kDefaultEnhanceCurve;
    AlphaCurve = kDefaultAlphaCurve;
    EnhanceLevel = 40;
    RandomLevel = 4;
    Reserved_R6 = 0;
    AlphaBlendMain = 70;
    AlphaBlendPen = 255;
    StretchFilter = 4;

    MainImageLoaded = false;
    MainimageFilename.clear();
    MonoMainImage = false;
    CropMainImage = false;
    MaskIndex = 1;
    PatternIndex = 1;

    Reserved_R3a = 0;
    CropCellImage = true;
    MonoCellImage = false;
    AllowHorzFlip = false;
    AllowVertFlip = false;
    RepeatRadius = 0;
    LimitRepeat = false;
    MinRepeat = 0;
    MaxRepeat = 400;
    RotateTiles = false;
    RotationSteps.fill(false);
}

void TqxProject07::CopySettingsFrom(const TqxProject07& source)
{
    Projectpath = source.Projectpath;
    Projectname = source.Projectname;
    PageWidth = source.PageWidth;
    PageHeight = source.PageHeight;
    ProjectStage = source.ProjectStage;
    MosaicWidth = source.MosaicWidth;
    MosaicHeight = source.MosaicHeight;
    CellWidth = source.CellWidth;
    CellHeight = source.CellHeight;
    PPI = source.PPI;
    Reserved_R1 = source.Reserved_R1;
    BorderSize = source.BorderSize;
    BorderColor = source.BorderColor;
    BackgroundColor = source.BackgroundColor;
    MainImageAsBackground = source.MainImageAsBackground;
    MainimageFilename = source.MainimageFilename;
    OrgMainimageFilename = source.OrgMainimageFilename;

    MainImageLoaded = source.MainImageLoaded;
    CropMainImage = source.CropMainImage;
    MonoMainImage = source.MonoMainImage;
    MaskIndex = source.MaskIndex;
    PatternIndex = source.PatternIndex;

    Reserved_R3a = source.Reserved_R3a;
    CropCellImage = source.CropCellImage;
    MonoCellImage = source.MonoCellImage;
    AllowHorzFlip = source.AllowHorzFlip;
    AllowVertFlip = source.AllowVertFlip;
    RepeatRadius = source.RepeatRadius;
    LimitRepeat = source.LimitRepeat;
    MinRepeat = source.MinRepeat;
    MaxRepeat = source.MaxRepeat;
    RotateTiles = source.RotateTiles;
    RotationSteps = source.RotationSteps;

    EnhanceLevel = source.EnhanceLevel;
    RandomLevel = source.RandomLevel;
    AlphaBlendMain = source.AlphaBlendMain;
    AlphaBlendPen = source.AlphaBlendPen;
    StretchFilter = source.StretchFilter;
    MaxColorDiffAvg = source.MaxColorDiffAvg;
    MaxColorDiffSingle = source.MaxColorDiffSingle;
    MaxShapeDiff = source.MaxShapeDiff;
    EnhanceCurve = source.EnhanceCurve;
    AlphaCurve = source.AlphaCurve;

    Reserved_R7a = source.Reserved_R7a;
    Reserved_R7b = source.Reserved_R7b;
}

} // namespace qx
