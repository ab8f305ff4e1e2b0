#include "layout/CellFeature.h"

#include "imaging/ImageFunctions.h"
#include "render/Session.h"

#include <algorithm>
#include <cstdint>

namespace qx {

namespace {

int ClampToSide(int v, int side)
{
    return std::clamp(v, 0, side);
}

// imageSide x c div mosaicSide; the product can pass the int range on large
// mosaics.
int ScaleToImage(int c, int imageSide, int mosaicSide)
{
    return static_cast<int>(static_cast<std::int64_t>(imageSide) * c / mosaicSide);
}

// A copy of a part of the source with its drawing settings, so that the part
// is resampled on its own: the filter never reaches beyond the part's edges.
TBitmap32 CopyRegion(const TBitmap32& source, const TRect& region)
{
    TBitmap32 part(region.Width(), region.Height());
    for (int y = 0; y < part.Height(); ++y)
        std::copy_n(source.ScanLine(region.Top + y) + region.Left, part.Width(), part.ScanLine(y));
    part.Resampler = source.Resampler;
    part.DrawMode = source.DrawMode;
    part.MasterAlpha = source.MasterAlpha;
    return part;
}

} // namespace

void PrepareForMeasuring(TBitmap32& mainImage)
{
    // Unshifted, it only makes every pixel opaque.
    ShiftChannels(mainImage, mainImage, 0, 0, 0);
    mainImage.DrawMode = TDrawMode::Blend;
    mainImage.Resampler = TResampler::Spline;
}

TTileFeature MeasurePreparedCellFeature(const TBitmap32& mainImage, const TRect& rect, int mosaicWidth,
                                        int mosaicHeight)
{
    TBitmap32 cell(rect.Width(), rect.Height());
    if (mosaicWidth >= 1 && mosaicHeight >= 1 && !mainImage.Empty()) {
        const int cl = ClampToSide(rect.Left, mosaicWidth);
        const int ct = ClampToSide(rect.Top, mosaicHeight);
        const int cr = ClampToSide(rect.Right, mosaicWidth);
        const int cb = ClampToSide(rect.Bottom, mosaicHeight);
        const int mw = mainImage.Width();
        const int mh = mainImage.Height();
        const TRect source{ScaleToImage(cl, mw, mosaicWidth), ScaleToImage(ct, mh, mosaicHeight),
                           ScaleToImage(cr, mw, mosaicWidth), ScaleToImage(cb, mh, mosaicHeight)};
        const TRect target{cl - rect.Left, ct - rect.Top, cr - rect.Left, cb - rect.Top};
        // A cell outside the mosaic, or a main image too small to give the
        // clipped part a whole pixel, leaves the cell black.
        if (source.Width() > 0 && source.Height() > 0)
            cell.StretchDrawFrom(CopyRegion(mainImage, source), target);
    }
    return ComputeTileFeature(cell);
}

TTileFeature MeasureCellFeature(Session& session, const TRect& rect)
{
    PrepareForMeasuring(session.MainImageBitmap);
    return MeasurePreparedCellFeature(session.MainImageBitmap, rect, session.CurrentProject.MosaicWidth,
                                      session.CurrentProject.MosaicHeight);
}

} // namespace qx
