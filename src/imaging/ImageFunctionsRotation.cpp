#include "imaging/ImageFunctions.h"

#include "imaging/AffineRotation.h"

namespace qx {

void RotateBitmap(const TBitmap32& source, TBitmap32& dest, double angleDegrees, TColor32 fill)
{
    // The turn is drawn onto a separate ground, so the source may be the
    // destination.
    TBitmap32 work(source.Width(), source.Height());
    work.Clear(fill);
    DrawRotated(source, work, angleDegrees);
    dest.Assign(work);
}

} // namespace qx
