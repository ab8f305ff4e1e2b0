#include "imaging/ImageFunctions.h"

#include "imaging/Halftone.h"

namespace qx {

void ApplyCellMask(const TBitmap32& source, TBitmap32& dest, const TBitmap32& mask, int borderWidth)
{
    // The shape is taken before the destination changes, as the mask may be
    // the destination itself. A border as wide as the picture leaves an
    // empty shape and so no opaque pixel.
    TBitmap24 shape(source.Width() - borderWidth, source.Height() - borderWidth);
    HalftoneResample(mask, shape);
    if (&source != &dest)
        dest.Assign(source);
    dest.DrawMode = TDrawMode::Blend;
    for (int y = 0; y < dest.Height(); ++y) {
        TColor32* row = dest.ScanLine(y);
        for (int x = 0; x < dest.Width(); ++x)
            row[x] &= 0x00FFFFFF;
    }
    const int half = borderWidth / 2;
    for (int y = 0; y < shape.Height(); ++y)
        for (int x = 0; x < shape.Width(); ++x)
            if (BlueOf(shape.Pixel(x, y)) != 0 && dest.Inside(x + half, y + half))
                dest.SetPixel(x + half, y + half, dest.Pixel(x + half, y + half) | 0xFF000000);
}

} // namespace qx
