#pragma once

#include "imaging/TBitmap32.h"
#include "library/TileFeature.h"

namespace qx {

struct Session;

// Puts the main image into the state measuring reads it in: every pixel's
// alpha 255 (drawing tiles leaves other values there), draw mode blend and
// the spline filter. The settings stay on the bitmap afterwards.
void PrepareForMeasuring(TBitmap32& mainImage);

// The feature of the main image under a rectangle of the mosaic (mosaic
// pixels, right and bottom exclusive, may reach outside the mosaic). The
// main image covers the whole mosaicWidth x mosaicHeight; parts of the
// rectangle outside the mosaic count as black, and so does everything when
// the main image or the mosaic is empty. The main image must have been
// prepared by PrepareForMeasuring; it is only read, so several threads may
// measure on it at once.
TTileFeature MeasurePreparedCellFeature(const TBitmap32& mainImage, const TRect& rect, int mosaicWidth,
                                        int mosaicHeight);

// Prepares the session's main image and measures the rectangle on it, over
// the project's mosaic size.
TTileFeature MeasureCellFeature(Session& session, const TRect& rect);

} // namespace qx
