#include "imaging/Resampler.h"
#include "imaging/TBitmap32.h"

#include <algorithm>

namespace qx {
namespace {

TRect Intersection(const TRect& a, const TRect& b)
{
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
}

bool HasArea(const TRect& r)
{
    return r.Width() > 0 && r.Height() > 0;
}

} // namespace

TColor32 BlendPixel(TColor32 f, TColor32 b, unsigned masterAlpha)
{
    const unsigned w = AlphaOf(f) * (std::min(masterAlpha, 255u) + 1) / 256;
    if (w == 0)
        return b;
    // Without this an opaque pixel would keep 1/256 of what lies under it,
    // and an opaque picture drawn in blend mode would not cover its ground.
    if (w == 255)
        return f;
    TColor32 result = 0;
    for (unsigned shift = 0; shift < 32; shift += 8) {
        const unsigned fc = (f >> shift) & 0xFF;
        const unsigned bc = (b >> shift) & 0xFF;
        // B + (F - B) * w / 256 rounded, kept non-negative as B(256 - w) + Fw.
        result |= ((bc * (256 - w) + fc * w + 128) >> 8) << shift;
    }
    return result;
}

void TBitmap32::CombineRow(const TColor32* pixels, int count, int x, int y, TDrawMode mode,
                           unsigned masterAlpha)
{
    TColor32* out = ScanLine(y) + x;
    if (mode == TDrawMode::Opaque) {
        std::copy(pixels, pixels + count, out);
        return;
    }
    for (int i = 0; i < count; ++i)
        out[i] = BlendPixel(pixels[i], out[i], masterAlpha);
}

void TBitmap32::StretchDrawFrom(const TBitmap32& source, const TRect& dest)
{
    if (&source == this) {
        const TBitmap32 copy = source;
        StretchDrawFrom(copy, dest);
        return;
    }
    const TRect visible = Intersection(dest, {0, 0, width_, height_});
    if (source.Empty() || !HasArea(visible))
        return;
    if (dest.Width() == source.Width() && dest.Height() == source.Height()) {
        DrawFrom(source, dest.Left, dest.Top);
        return;
    }
    const TRect region{visible.Left - dest.Left, visible.Top - dest.Top, visible.Right - dest.Left,
                       visible.Bottom - dest.Top};
    ResampleRegion(source, source.Resampler, dest.Width(), dest.Height(), region,
                   [&](int row, const TColor32* pixels) {
                       CombineRow(pixels, visible.Width(), visible.Left, visible.Top + row, source.DrawMode,
                                  source.MasterAlpha);
                   });
}

void TBitmap32::DrawFrom(const TBitmap32& source, int x, int y)
{
    if (&source == this) {
        const TBitmap32 copy = source;
        DrawFrom(copy, x, y);
        return;
    }
    const TRect visible = Intersection({x, y, x + source.Width(), y + source.Height()}, {0, 0, width_, height_});
    if (!HasArea(visible))
        return;
    for (int row = visible.Top; row < visible.Bottom; ++row)
        CombineRow(source.ScanLine(row - y) + (visible.Left - x), visible.Width(), visible.Left, row,
                   source.DrawMode, source.MasterAlpha);
}

} // namespace qx
