#pragma once

#include "imaging/TBitmap32.h"

namespace qx {

// Draws source into target turned by angleDegrees about the source's centre
// ((W - 1) / 2, (H - 1) / 2); a positive angle turns counter-clockwise on
// screen. Each target pixel samples the source where the inverse turn takes
// it: nearest neighbour when source.Resampler is Nearest, bilinear
// otherwise. Target pixels whose sample falls outside the source stay
// untouched; the others are replaced (opaque) or blended by BlendPixel with
// source.MasterAlpha (blend). Source and target may be the same bitmap.
void DrawRotated(const TBitmap32& source, TBitmap32& target, double angleDegrees);

} // namespace qx
