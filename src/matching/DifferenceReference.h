#pragma once

#include "matching/DifferenceMeasures.h"

// The difference measures written plainly, block by block and arrangement
// by arrangement on mirrored copies of the photo's feature, with no
// precomputation. They define what the fast measures must return and are
// kept for the tests that compare the two.
namespace qx {

// The photo's feature with its 8 x 8 grid mirrored; the other words as they
// were.
TTileFeature MirroredFeature(const TTileFeature& photo, bool flipV, bool flipH);

// The grid core: the photo blocks clamped after subtracting the shifts (in
// mono, the photo's luminance for all three channels), squared differences
// with the cell's blocks, each square weighted by entry 21 + b of weights
// when given, summed in block order in double precision, truncated.
std::int32_t ReferenceGridCore(const TTileFeature& photo, const TTileFeature& cell, int shiftB, int shiftG,
                               int shiftR, bool mono, const TWeightVector* weights);

TMatchResult ReferenceMatchPercent(const TTileFeature& photo, const TTileFeature& cell, int percent, bool mono,
                                   bool allowHorzFlip, bool allowVertFlip);
TMatchResult ReferenceMatchCurve(const TTileFeature& photo, const TTileFeature& cell, bool allowVertFlip,
                                 const TCurveTable& enhance, const TWeightVector& weights, bool mono,
                                 bool allowHorzFlip);
TMatchResult ReferenceGridDifference(const TTileFeature& photo, const TTileFeature& cell, bool flipV, bool mono,
                                     bool flipH);

} // namespace qx
