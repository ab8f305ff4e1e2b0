#include "imaging/AffineRotation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qx {
namespace {

// cos and sin of a multiple of 90 degrees come out a few ulps off 0 and 1;
// snapping them keeps quarter turns exact pixel moves.
double SnapTo(double value, double tolerance)
{
    const double nearest = std::round(value);
    return std::abs(value - nearest) < tolerance ? nearest : value;
}

unsigned Lerp(TColor32 a, TColor32 b, unsigned shift, double t)
{
    const double ca = (a >> shift) & 0xFF;
    const double cb = (b >> shift) & 0xFF;
    return static_cast<unsigned>(ca + (cb - ca) * t + 0.5);
}

// Neighbours beyond the border repeat the edge pixel, so samples in the
// outer half of an edge pixel stay defined.
TColor32 SampleBilinear(const TBitmap32& source, double sx, double sy)
{
    const double fx0 = std::floor(sx);
    const double fy0 = std::floor(sy);
    const double tx = sx - fx0;
    const double ty = sy - fy0;
    const int x0 = static_cast<int>(fx0);
    const int y0 = static_cast<int>(fy0);
    const int xa = std::clamp(x0, 0, source.Width() - 1);
    const int xb = std::clamp(x0 + 1, 0, source.Width() - 1);
    const TColor32* upper = source.ScanLine(std::clamp(y0, 0, source.Height() - 1));
    const TColor32* lower = source.ScanLine(std::clamp(y0 + 1, 0, source.Height() - 1));
    TColor32 result = 0;
    for (unsigned shift = 0; shift < 32; shift += 8) {
        const double top = Lerp(upper[xa], upper[xb], shift, tx);
        const double bottom = Lerp(lower[xa], lower[xb], shift, tx);
        result |= static_cast<TColor32>(top + (bottom - top) * ty + 0.5) << shift;
    }
    return result;
}

} // namespace

void DrawRotated(const TBitmap32& source, TBitmap32& target, double angleDegrees)
{
    if (&source == &target) {
        const TBitmap32 copy = source;
        DrawRotated(copy, target, angleDegrees);
        return;
    }
    if (source.Empty())
        return;
    const double radians = std::fmod(angleDegrees, 360.0) * std::numbers::pi / 180.0;
    const double c = SnapTo(std::cos(radians), 1e-12);
    const double s = SnapTo(std::sin(radians), 1e-12);
    const double cx = (source.Width() - 1) / 2.0;
    const double cy = (source.Height() - 1) / 2.0;
    const double maxX = source.Width() - 0.5;
    const double maxY = source.Height() - 0.5;
    const bool nearest = source.Resampler == TResampler::Nearest;
    const bool opaque = source.DrawMode == TDrawMode::Opaque;
    for (int ty = 0; ty < target.Height(); ++ty) {
        TColor32* row = target.ScanLine(ty);
        const double v = ty - cy;
        for (int tx = 0; tx < target.Width(); ++tx) {
            const double u = tx - cx;
            const double sx = SnapTo(cx + u * c - v * s, 1e-9);
            const double sy = SnapTo(cy + u * s + v * c, 1e-9);
            if (!(sx >= -0.5 && sx < maxX && sy >= -0.5 && sy < maxY))
                continue;
            const TColor32 f = nearest ? source.Pixel(static_cast<int>(std::floor(sx + 0.5)),
                                                      static_cast<int>(std::floor(sy + 0.5)))
                                       : SampleBilinear(source, sx, sy);
            row[tx] = opaque ? f : BlendPixel(f, row[tx], source.MasterAlpha);
        }
    }
}

} // namespace qx
