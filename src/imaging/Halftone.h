#pragma once

#include "imaging/TBitmap24.h"
#include "imaging/TBitmap32.h"

namespace qx {

// The halftone filter: resamples the whole source into the whole destination
// at the destination's current size by exact area weighting. Reducing, every
// destination pixel is the mean of the source area it covers (partly covered
// source pixels count by the fraction covered); enlarging, every source pixel
// spreads over the destination pixels it covers. Results are rounded to the
// nearest value. Only the colour channels take part: a 32-bit destination
// keeps its alpha bytes, a 32-bit source's alpha is ignored. An empty source
// or destination leaves the destination as it was. Source and destination
// must be different bitmaps.
void HalftoneResample(const TBitmap32& source, TBitmap24& dest);
void HalftoneResample(const TBitmap24& source, TBitmap24& dest);
void HalftoneResample(const TBitmap32& source, TBitmap32& dest);

} // namespace qx
