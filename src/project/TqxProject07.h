#pragma once

#include "imaging/CurvePoints.h"
#include "layout/Pattern.h"
#include "layout/TQXLayer.h"

#include <array>
#include <cstdint>
#include <string>

namespace qx {

// The record of one mosaic project: its paths, every render parameter and
// the state a render job derives from them. The numeric fields form the
// seven runs R1..R7 that "project.QX8" stores; they are declared in file
// order. Colours are 0x00BBGGRR (red in the low byte). Reserved fields carry
// no meaning but are kept as read, so a file round-trips unchanged. Nothing
// here checks ranges; callers keep values in the ranges noted.
class TqxProject07 {
public:
    // All fields zero or empty, seven empty layers, then ResetDefaults().
    TqxProject07();

    // Writes the defaults to the render parameters; leaves Projectpath,
    // Projectname, OrgMainimageFilename, PageWidth, PageHeight, the reserved
    // fields other than Reserved_R1, Reserved_R3a and Reserved_R6, and the
    // derived state as they are.
    void ResetDefaults();

    // Copies the paths and settings of `source` (run R7 included); the
    // reserved fields Reserved_R1a, Reserved_R1b, Reserved_R2, Reserved_R3b,
    // Reserved_R6 and Reserved_R4, and all derived state, stay this record's.
    void CopySettingsFrom(const TqxProject07& source);

    // Text fields, kept in "project.ini".
    std::string Projectpath; // the project folder, no trailing separator
    std::string Projectname;
    std::string OrgMainimageFilename; // the main image the user chose
    std::string MainimageFilename;    // the project's own copy of it

    // Run R1.
    std::int32_t ProjectStage = 0; // 0 new, 1 cells assigned, 2 mosaic written
    std::int32_t MosaicWidth = 0;  // pixels
    std::int32_t MosaicHeight = 0; // pixels
    std::int32_t CellWidth = 0;    // pixels
    std::int32_t CellHeight = 0;   // pixels
    std::int32_t PPI = 0;
    std::int32_t PageWidth = 0;  // pixels; set by the panels, not by a reset
    std::int32_t PageHeight = 0; // pixels; set by the panels, not by a reset
    std::uint8_t Reserved_R1 = 0;
    std::int32_t BorderSize = 0; // pixels, 0..20
    std::uint32_t BorderColor = 0;
    std::uint32_t BackgroundColor = 0;
    bool MainImageAsBackground = false;
    std::uint8_t Reserved_R1a = 0;
    std::uint8_t Reserved_R1b = 0;

    // Run R2.
    bool MainImageLoaded = false;
    bool CropMainImage = false;
    bool MonoMainImage = false;
    std::uint8_t Reserved_R2 = 0;

    // Run R3.
    std::uint8_t Reserved_R3a = 0;
    bool CropCellImage = false;
    bool MonoCellImage = false;
    bool AllowHorzFlip = false;
    bool AllowVertFlip = false;
    std::int32_t RepeatRadius = 0; // in cell diagonals
    bool LimitRepeat = false;
    std::int32_t MinRepeat = 0;
    std::int32_t MaxRepeat = 0;
    std::uint8_t Reserved_R3b = 0;
    bool RotateTiles = false;
    std::array<bool, 24> RotationSteps{}; // step k turns by k * 15 degrees

    // Run R4: a reserved block.
    std::array<std::uint8_t, 56> Reserved_R4{};

    // Run R5: both 1-based.
    std::int32_t MaskIndex = 0;
    std::int32_t PatternIndex = 0;

    // Run R6.
    std::int32_t EnhanceLevel = 0;
    std::int32_t RandomLevel = 0; // 1..100
    std::uint8_t Reserved_R6 = 0;
    std::int32_t AlphaBlendMain = 0; // 0..255
    std::int32_t AlphaBlendPen = 0;  // 0..255
    std::uint8_t StretchFilter = 0;  // a TResampler, 0..6
    TCurvePoints EnhanceCurve{};     // x and y 0..255
    TCurvePoints AlphaCurve{};       // x and y 0..255
    std::int32_t MaxColorDiffAvg = 0;
    std::int32_t MaxColorDiffSingle = 0;
    std::int32_t MaxShapeDiff = 0;

    // Run R7: reserved.
    std::int32_t Reserved_R7a = 0;
    std::uint8_t Reserved_R7b = 0;

    // Derived state, rebuilt by every render job and never stored here.
    TQXPattern CurrentPattern;
    TCurveTable EnhanceTable{};
    TCurveTable AlphaTable{};
    // Layer k (1..7) is Layers[k - 1]; layer 7 is never built.
    std::array<TQXLayer, 7> Layers;
};

} // namespace qx
