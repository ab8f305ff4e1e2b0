#include "render/TilePreparation.h"

#include "common/QuiltixError.h"
#include "imaging/ImageFunctions.h"
#include "library/TileFeature.h"
#include "matching/DifferenceMeasures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace qx {

namespace {

constexpr int kResamplerCount = 7;

std::string SizeText(int width, int height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

// A correction beyond a whole channel range saturates the same way, and the
// bound keeps the negation of a stray stored value defined.
int ShiftFor(std::int32_t correction)
{
    return static_cast<int>(std::clamp<std::int64_t>(-static_cast<std::int64_t>(correction), -255, 255));
}

// trunc(sqrt(|D| div 192)) of the unshifted, unmirrored colour difference,
// limited to 0..255.
std::int32_t DifferenceFigure(const TTileFeature& tile, const TTileFeature& cell)
{
    const std::int64_t d = std::llabs(static_cast<std::int64_t>(MatchPercent(tile, cell, 0, false, false, false).Difference));
    return ClampByte(static_cast<int>(std::sqrt(static_cast<double>(d / 192))));
}

void MeasureCorrectedTile(const TqxProject07& project, const TMosaicCell& cell, const TBitmap32& tile,
                          TTileQuality& quality)
{
    const TTileFeature feature = ComputeTileFeature(tile);
    const TBlockColor t = feature.Words[1];
    const TBlockColor c = cell.Feature.Words[1];
    const int dR = std::abs(static_cast<int>(BlockRedOf(t)) - static_cast<int>(BlockRedOf(c)));
    const int dG = std::abs(static_cast<int>(BlockGreenOf(t)) - static_cast<int>(BlockGreenOf(c)));
    const int dB = std::abs(static_cast<int>(BlockBlueOf(t)) - static_cast<int>(BlockBlueOf(c)));
    quality.ColorDiffAvg = std::min((dR + dG + dB) / 3, 255);
    quality.ColorDiffSingle = std::min(std::max({dR, dG, dB}), 255);
    quality.BlendAlpha = project.AlphaTable[static_cast<std::size_t>(quality.ColorDiffAvg)];
    quality.RawDifference = DifferenceFigure(feature, cell.Feature);
}

int Scaled(int size, int offset, int whole)
{
    return static_cast<int>(static_cast<std::int64_t>(size) * offset / whole);
}

bool HasArea(const TRect& r)
{
    return r.Width() > 0 && r.Height() > 0;
}

// The part of the main image under the cell, as a picture of its own whose
// every alpha is the cell's blend alpha. Drawing from this copy instead of
// setting the alpha on the shared main image lets tiles be prepared side by
// side with the same result.
TBitmap32 MainImagePatch(const TBitmap32& mainImage, const TRect& region, std::int32_t blendAlpha)
{
    TBitmap32 patch(region.Width(), region.Height());
    const TColor32 alpha = static_cast<TColor32>(blendAlpha & 0xFF) << 24;
    for (int y = 0; y < patch.Height(); ++y) {
        const TColor32* from = mainImage.ScanLine(region.Top + y) + region.Left;
        TColor32* to = patch.ScanLine(y);
        for (int x = 0; x < patch.Width(); ++x)
            to[x] = (from[x] & 0x00FFFFFF) | alpha;
    }
    patch.DrawMode = TDrawMode::Blend;
    patch.Resampler = TResampler::Spline;
    return patch;
}

// Lays the main image under the part of the cell inside the mosaic over the
// matching part of the tile. The tile part is measured in the project's cell
// size, the main-image part in the main image's scale of the mosaic.
void BlendMainImage(const TqxProject07& project, const TRect& cellRect, const TBitmap32& mainImage,
                    std::int32_t blendAlpha, TBitmap32& tile)
{
    const int mosaicW = project.MosaicWidth;
    const int mosaicH = project.MosaicHeight;
    const TRect inside{std::clamp(cellRect.Left, 0, mosaicW), std::clamp(cellRect.Top, 0, mosaicH),
                       std::clamp(cellRect.Right, 0, mosaicW), std::clamp(cellRect.Bottom, 0, mosaicH)};
    const int w = tile.Width();
    const int h = tile.Height();
    const TRect tileRect{Scaled(w, inside.Left - cellRect.Left, project.CellWidth),
                         Scaled(h, inside.Top - cellRect.Top, project.CellHeight),
                         Scaled(w, inside.Right - cellRect.Left, project.CellWidth),
                         Scaled(h, inside.Bottom - cellRect.Top, project.CellHeight)};
    const int mw = mainImage.Width();
    const int mh = mainImage.Height();
    const TRect mainRect{Scaled(mw, inside.Left, mosaicW), Scaled(mh, inside.Top, mosaicH),
                         Scaled(mw, inside.Right, mosaicW), Scaled(mh, inside.Bottom, mosaicH)};
    if (!HasArea(tileRect) || !HasArea(mainRect))
        return;
    tile.StretchDrawFrom(MainImagePatch(mainImage, mainRect, blendAlpha), tileRect);
}

// Pen alpha, turn over the border ground, and the layer's cell shape.
void FinishTile(const TqxProject07& project, const TQXLayer& layer, const TMosaicCell& cell, TBitmap32& tile)
{
    tile.DrawMode = TDrawMode::Blend;
    tile.Resampler = static_cast<TResampler>(project.StretchFilter);
    tile.MasterAlpha = 255;
    const TColor32 pen = static_cast<TColor32>(project.AlphaBlendPen & 0xFF) << 24;
    for (int y = 0; y < tile.Height(); ++y) {
        TColor32* row = tile.ScanLine(y);
        for (int x = 0; x < tile.Width(); ++x)
            row[x] = (row[x] & 0x00FFFFFF) | pen;
    }
    // The border colour value goes in as a raw pixel word, red and blue
    // trading places and alpha 0, which is what the turn's ground is.
    TurnOverGround(tile, cell.RotationAngle, project.BorderColor);
    if (layer.LayerPattern.HasMaskImage)
        ApplyCellMask(tile, tile, layer.MaskBitmap, project.BorderSize);
}

} // namespace

void CheckDrawingSettings(const TqxProject07& project)
{
    if (project.MosaicWidth < 1 || project.MosaicHeight < 1)
        throw QuiltixError("The mosaic size " + SizeText(project.MosaicWidth, project.MosaicHeight) +
                           " of the project in \"" + project.Projectpath + "\" leaves nothing to draw.");
    if (project.CellWidth < 1 || project.CellHeight < 1)
        throw QuiltixError("The cell size " + SizeText(project.CellWidth, project.CellHeight) +
                           " of the project in \"" + project.Projectpath + "\" leaves no tile to draw.");
    if (project.StretchFilter >= kResamplerCount)
        throw QuiltixError("The resampling filter " + std::to_string(project.StretchFilter) +
                           " of the project in \"" + project.Projectpath + "\" is not one of the filters 0 to 6.");
}

TPreparedTile PrepareTile(const TqxProject07& project, const TQXLayer& layer, const TMosaicCell& cell,
                          const TBitmap32& mainImage, const TBitmap32& photo)
{
    TPreparedTile prepared;
    TBitmap32& tile = prepared.Tile;
    TTileQuality& quality = prepared.Quality;
    tile.Assign(photo);
    ShiftChannels(tile, tile, ShiftFor(cell.CorrRed), ShiftFor(cell.CorrGreen), ShiftFor(cell.CorrBlue));
    CopyFlipped(tile, tile, cell.FlipH, cell.FlipV);
    MeasureCorrectedTile(project, cell, tile, quality);
    if (tile.Empty()) {
        // Nothing is blended into an empty tile, so it measures as before.
        quality.FinalDifference = quality.RawDifference;
        return prepared;
    }
    BlendMainImage(project, cell.CellRect, mainImage, quality.BlendAlpha, tile);
    quality.FinalDifference = DifferenceFigure(ComputeTileFeature(tile), cell.Feature);
    FinishTile(project, layer, cell, tile);
    return prepared;
}

void TurnOverGround(TBitmap32& tile, int angleDegrees, TColor32 ground)
{
    if (angleDegrees % 360 != 0) {
        RotateBitmap(tile, tile, angleDegrees, ground);
        return;
    }
    // Unturned, every pixel samples itself exactly, whatever the filter.
    const bool opaque = tile.DrawMode == TDrawMode::Opaque;
    for (int y = 0; y < tile.Height(); ++y) {
        TColor32* row = tile.ScanLine(y);
        for (int x = 0; x < tile.Width(); ++x)
            row[x] = opaque ? row[x] : BlendPixel(row[x], ground, tile.MasterAlpha);
    }
}

void LayTile(const TPreparedTile& tile, TMosaicCell& cell, TBitmap32& target, const TRect& page)
{
    cell.RawDifference = tile.Quality.RawDifference;
    cell.ColorDiffAvg = tile.Quality.ColorDiffAvg;
    cell.ColorDiffSingle = tile.Quality.ColorDiffSingle;
    cell.BlendAlpha = tile.Quality.BlendAlpha;
    cell.FinalDifference = tile.Quality.FinalDifference;
    const TRect& r = cell.CellRect;
    target.StretchDrawFrom(tile.Tile, {r.Left - page.Left, r.Top - page.Top, r.Right - page.Left, r.Bottom - page.Top});
}

} // namespace qx
