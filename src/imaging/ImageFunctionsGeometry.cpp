#include "imaging/ImageFunctions.h"

#include "common/QuiltixError.h"
#include "imaging/Halftone.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace qx {

namespace {

bool StrictlyBetween(int v, int low, int high)
{
    return low < v && v < high;
}

// Either edge of [low2, high2] lies strictly inside (low1, high1).
bool EdgeInside(int low1, int high1, int low2, int high2)
{
    return StrictlyBetween(low2, low1, high1) || StrictlyBetween(high2, low1, high1);
}

} // namespace

bool RectsCross(const TRect& a, const TRect& b)
{
    const bool horizontalInA = EdgeInside(a.Left, a.Right, b.Left, b.Right);
    const bool verticalInA = EdgeInside(a.Top, a.Bottom, b.Top, b.Bottom);
    const bool horizontalInB = EdgeInside(b.Left, b.Right, a.Left, a.Right);
    const bool verticalInB = EdgeInside(b.Top, b.Bottom, a.Top, a.Bottom);
    return (horizontalInA && verticalInA) || (horizontalInB && verticalInB);
}

void StretchBitmap(const TBitmap24& source, TBitmap24& dest, int width, int height)
{
    if (&source == &dest) {
        const TBitmap24 copy = source;
        StretchBitmap(copy, dest, width, height);
        return;
    }
    dest.SetSize(width, height);
    HalftoneResample(source, dest);
}

void StretchBitmap32(const TBitmap32& source, TBitmap32& dest, int width, int height)
{
    if (&source == &dest) {
        TBitmap32 copy;
        copy.Assign(source);
        StretchBitmap32(copy, dest, width, height);
        return;
    }
    if (dest.Width() != width || dest.Height() != height)
        dest.SetSize(width, height);
    HalftoneResample(source, dest);
}

void FitBitmapToRect(const TBitmap32& source, TBitmap24& dest, const TRect& rect)
{
    if (source.Empty())
        return;
    // The scale is rounded to double and the products are not, so a fit can
    // fall one pixel short (3 pixels into 128 give 127).
    const double scale = std::min(static_cast<double>(rect.Width()) / source.Width(),
                                  static_cast<double>(rect.Height()) / source.Height());
    const long double extendedScale = scale;
    dest.SetSize(static_cast<int>(source.Width() * extendedScale), static_cast<int>(source.Height() * extendedScale));
    HalftoneResample(source, dest);
}

void CopyFlipped(const TBitmap32& source, TBitmap32& dest, bool flipLeftRight, bool flipTopBottom)
{
    if (&source != &dest)
        dest.Assign(source);
    if (flipLeftRight)
        for (int y = 0; y < dest.Height(); ++y)
            std::reverse(dest.ScanLine(y), dest.ScanLine(y) + dest.Width());
    if (flipTopBottom)
        for (int top = 0, bottom = dest.Height() - 1; top < bottom; ++top, --bottom)
            std::swap_ranges(dest.ScanLine(top), dest.ScanLine(top) + dest.Width(), dest.ScanLine(bottom));
}

void CropToAspect(const TBitmap32& source, TBitmap32& dest, int aspectWidth, int aspectHeight)
{
    if (aspectWidth <= 0 || aspectHeight <= 0)
        throw QuiltixError("The aspect ratio " + std::to_string(aspectWidth) + " : " + std::to_string(aspectHeight) +
                           " cannot be used for a crop; both sides must be positive.");
    const std::int64_t w = source.Width();
    const std::int64_t h = source.Height();
    const std::int64_t wide = w * aspectHeight;
    const std::int64_t tall = static_cast<std::int64_t>(aspectWidth) * h;
    const int y0 = wide < tall ? static_cast<int>((tall - wide) / (2 * static_cast<std::int64_t>(aspectWidth))) : 0;
    const int x0 = wide > tall ? static_cast<int>((wide - tall) / (2 * static_cast<std::int64_t>(aspectHeight))) : 0;
    // Built aside, so the source may be the destination.
    TBitmap32 crop(source.Width() - 2 * x0, source.Height() - 2 * y0);
    for (int y = 0; y < crop.Height(); ++y)
        std::copy_n(source.ScanLine(y + y0) + x0, crop.Width(), crop.ScanLine(y));
    dest.Assign(crop);
}

} // namespace qx
