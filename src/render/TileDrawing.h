#pragma once

#include "imaging/TBitmap32.h"

namespace qx {

class RenderReporter;
struct Session;

// Draws the cells of every layer in use (layers 1..7, in order) that have a
// photo and overlap the page with a positive area into session.MosaicBitmap,
// whose pixel (0, 0) is the page's top-left corner (mosaic pixels). Tiles
// are prepared on all cores, each photo decoded once per page, and laid onto
// the page in layer and cell order on the calling thread; the result does
// not depend on the number of threads. Stores each drawn cell's quality
// figures. Progress goes to the reporter per layer. Throws QuiltixError for
// settings CheckDrawingSettings refuses and for a photo its decoder rejects
// (the cells before it stay drawn).
void DrawLayers(Session& session, const TRect& page, RenderReporter& reporter);

// The same for one layer (1..7), whether in use or not. Throws QuiltixError
// for another layer number.
void DrawLayerCells(Session& session, int layerNumber, const TRect& page, RenderReporter& reporter);

// Draws one cell's tile into target, whose pixel (0, 0) is the page's
// top-left corner, and stores the cell's quality figures; a cell without a
// photo is left alone. Gives the same pixels and figures as DrawLayers does
// for that cell. Throws QuiltixError for a layer or cell that does not
// exist, for settings CheckDrawingSettings refuses, and for a photo its
// decoder rejects.
void DrawCell(Session& session, int layerNumber, int cellIndex, TBitmap32& target, const TRect& page);

} // namespace qx
