#pragma once

#include "imaging/TBitmap32.h"
#include "layout/MosaicCellCodec.h"
#include "layout/Pattern.h"
#include "layout/TQXLayer.h"

#include <cstdint>
#include <limits>

namespace qx {

class RenderReporter;
struct Session;

// The most cells one layer may hold: the layer file stores each layer's
// block size (cells x 576 bytes) as a signed 32-bit number.
inline constexpr int kMaxLayerCells = std::numeric_limits<std::int32_t>::max() / static_cast<int>(kMosaicCellBytes);

// Enlarges the main image if the pattern needs it, empties layers 1..6 and
// lays them out again from the project's CurrentPattern, mosaic size and
// cell size, measuring every cell on the main image. Layer 7 is left alone.
// `progress` (may be null) gets each layer's percent of cells measured.
// Throws QuiltixError when a layer would hold more than kMaxLayerCells.
void BuildLayers(Session& session, RenderReporter* progress = nullptr);

// Lays out one layer from a pattern layer record over a mosaicWidth x
// mosaicHeight mosaic with cells of cellWidth x cellHeight pixels: a cell
// wherever a whole step fits, numbered row by row, each measured on
// mainImage (prepared for measuring when the layer gets cells). A disabled
// record only clears Enabled; a step below one pixel gives no cells.
// Throws QuiltixError, before changing the cells, when the layer would hold
// more than kMaxLayerCells.
void BuildLayer(TQXLayer& layer, const TLayerPattern& record, int mosaicWidth, int mosaicHeight, int cellWidth,
                int cellHeight, TBitmap32& mainImage, RenderReporter* progress);

// No cells.
void ClearLayer(TQXLayer& layer);

// Sets the rectangle of cell `index` (which must exist; std::out_of_range
// otherwise), measures its feature on the session's main image and sets
// its Priority to 1.
void SetCellRect(Session& session, TQXLayer& layer, int index, const TRect& rect);

} // namespace qx
