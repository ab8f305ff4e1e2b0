#pragma once

#include "layout/Pattern.h"
#include "render/Session.h"

namespace qx {

// Fills the weight vector of every enabled layer k (1..6) of the pattern
// from the brightness of its mask picture (FeatureToGrayVector): 1.0 inside
// the cell shape, 0 outside. An enabled layer without a readable mask
// picture covers its whole cell and gets 1.0 throughout, as a white mask
// would give. Vectors of layers the pattern does not enable, and layer 7's,
// keep what they held. A mask picture the decoder rejects throws
// QuiltixError naming the file.
void PrepareLayerWeights(const TQXPattern& pattern, TLayerWeights& weights);

} // namespace qx
