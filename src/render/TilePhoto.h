#pragma once

#include "imaging/TBitmap32.h"
#include "project/TqxProject07.h"

#include <compare>
#include <filesystem>

namespace qx {

struct TPixelSize {
    int Width = 0;
    int Height = 0;
    auto operator<=>(const TPixelSize&) const = default;
};

// The least size a cell's photo must be decoded at so that, once cropped to
// the project's cell aspect (when CropCellImage is set), it still covers the
// cell's rectangle in both directions. At least 1 x 1. The project's cell
// size must be positive (CheckDrawingSettings).
TPixelSize PhotoDecodeSize(const TqxProject07& project, const TRect& cellRect);

// Steps 1 to 3 of a tile: the photo file decoded at no less than minSize
// (a JPEG at the smallest scale that covers it, a BMP whole), cropped to the
// cell aspect and made grey as the project says. A file that is missing or
// of no known type gives an empty bitmap; a decoder error throws
// QuiltixError naming the file. Safe to call from several threads.
TBitmap32 LoadTilePhoto(const TqxProject07& project, const std::filesystem::path& file, TPixelSize minSize);

} // namespace qx
