#pragma once

#include "imaging/TBitmap32.h"

#include <functional>

namespace qx {

// Receives one resampled row of a region: its index within the region
// (0 = the region's top row) and the region's Width() pixels.
using TRowSink = std::function<void(int row, const TColor32* pixels)>;

// Resamples the whole source as if scaled to dstWidth x dstHeight with the
// given filter and hands the pixels of region (destination coordinates,
// inside 0..dstWidth x 0..dstHeight) to sink row by row, top to bottom.
// Every channel, alpha included, is filtered separably and clamped to
// 0..255; a constant picture stays exactly constant. An axis whose length
// does not change is copied unfiltered. Nothing is produced for an empty
// source or region. The sink must not change the source.
// Throws QuiltixError for a filter value outside the seven filters.
void ResampleRegion(const TBitmap32& source, TResampler filter, int dstWidth, int dstHeight,
                    const TRect& region, const TRowSink& sink);

} // namespace qx
