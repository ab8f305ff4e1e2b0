#pragma once

#include "imaging/TBitmap32.h"
#include "library/TileFeature.h"

#include <array>
#include <cstdint>

namespace qx {

// One cell of a layer: its rectangle on the mosaic, the main image's feature
// under it, the photo assigned to it and what drawing it measured. A new
// cell has PhotoIndex -1 and every other field 0. Stored as 576 bytes in the
// layer file (see MosaicCellCodec.h); the reserved fields are kept as read.
struct TMosaicCell {
    TRect CellRect;       // mosaic pixels; may reach outside the mosaic
    TTileFeature Feature; // of the main image under CellRect
    std::uint8_t Reserved360 = 0;
    std::int32_t PhotoIndex = -1; // position in the cell image list; -1 none
    std::int32_t DeltaBlue = 0;   // photo mean minus cell mean
    std::int32_t DeltaGreen = 0;
    std::int32_t DeltaRed = 0;
    std::int32_t CorrRed = 0; // correction subtracted when the photo is drawn
    std::int32_t CorrGreen = 0;
    std::int32_t CorrBlue = 0;
    std::int32_t DetailDifference = 0;
    std::int32_t MatchDifference = 0;
    std::int32_t RawDifference = 0;   // 0..255
    std::int32_t ColorDiffAvg = 0;    // 0..255
    std::int32_t ColorDiffSingle = 0; // 0..255
    std::int32_t Reserved412 = 0;
    std::int32_t BlendAlpha = 0;      // main-image blend strength used
    std::int32_t FinalDifference = 0; // 0..255
    std::int32_t CandidateCount = 0;
    std::uint16_t Reserved428 = 0;
    bool FlipH = false;
    bool FlipV = false;
    bool HasPhoto = false;
    std::uint8_t Reserved433 = 0;
    bool Selected = false;
    std::int32_t RotationAngle = 0; // degrees, a multiple of 15
    std::array<std::int32_t, 3> Reserved440{};
    bool Hovered = false;
    std::int32_t AvailablePhotoCount = 0;
    std::int32_t QualifiedCandidateCount = 0;
    std::int32_t DivisionLevel = 0;
    std::int32_t Priority = 0;
    std::array<std::uint8_t, 104> Reserved472{};
};

} // namespace qx
