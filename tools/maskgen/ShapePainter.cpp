#include "ShapePainter.h"

#include "LayerPlacement.h"

#include <array>
#include <cmath>

namespace qx::maskgen {

namespace {

constexpr TColor32 kGround = Color32(236, 236, 230);
constexpr TColor32 kOutline = Color32(60, 60, 60);
constexpr std::array<TColor32, 6> kFills{
    Color32(70, 130, 180), Color32(205, 92, 92),  Color32(60, 179, 113),
    Color32(218, 165, 32), Color32(147, 112, 219), Color32(64, 170, 170),
};

// Pixel centres decide what is inside, so a shape drawn into a cell of
// any size keeps its symmetry.
bool InsideCellPixel(Shape shape, const TRect& cell, int x, int y)
{
    if (x < cell.Left || y < cell.Top || x >= cell.Right || y >= cell.Bottom)
        return false;
    const double u = (x - cell.Left + 0.5) / cell.Width();
    const double v = (y - cell.Top + 0.5) / cell.Height();
    return InsideShape(shape, u, v);
}

bool OnShapeEdge(Shape shape, const TRect& cell, int x, int y)
{
    return !InsideCellPixel(shape, cell, x - 1, y) || !InsideCellPixel(shape, cell, x + 1, y) ||
           !InsideCellPixel(shape, cell, x, y - 1) || !InsideCellPixel(shape, cell, x, y + 1);
}

void StampShape(TBitmap32& target, Shape shape, const TRect& cell, TColor32 fill)
{
    for (int y = cell.Top; y < cell.Bottom; ++y)
        for (int x = cell.Left; x < cell.Right; ++x)
            if (target.Inside(x, y) && InsideCellPixel(shape, cell, x, y))
                target.SetPixel(x, y, OnShapeEdge(shape, cell, x, y) ? kOutline : fill);
}

} // namespace

TBitmap32 PaintMaskPicture(Shape shape, int size)
{
    TBitmap32 picture(size, size);
    picture.Clear(Color32(0, 0, 0));
    const TRect whole{0, 0, size, size};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (InsideCellPixel(shape, whole, x, y))
                picture.SetPixel(x, y, Color32(255, 255, 255));
    return picture;
}

TBitmap32 PaintMaskOverview(const MaskDef& mask, int size)
{
    TBitmap32 picture(size, size);
    picture.Clear(kGround);
    const int inner = size - size / 8;
    const int width = mask.Aspect >= 1.0 ? inner : static_cast<int>(std::lround(inner * mask.Aspect));
    const int height = mask.Aspect >= 1.0 ? static_cast<int>(std::lround(inner / mask.Aspect)) : inner;
    const int left = (size - width) / 2;
    const int top = (size - height) / 2;
    StampShape(picture, mask.Outline, {left, top, left + width, top + height}, kFills[0]);
    return picture;
}

TBitmap32 PaintPatternOverview(const PatternDef& pattern, int size)
{
    TBitmap32 picture(size, size);
    picture.Clear(kGround);
    const int cellWidth = pattern.OverviewCellWidth;
    const int cellHeight = static_cast<int>(std::lround(cellWidth / pattern.Aspect));
    // Later layers are drawn over earlier ones, as in the mosaic.
    for (std::size_t k = 0; k < pattern.Layers.size(); ++k) {
        const LayerDef& layer = pattern.Layers[k];
        for (const PlacedCell& cell : LayerCells(layer, size, size, cellWidth, cellHeight)) {
            const std::size_t colour = static_cast<std::size_t>(cell.Column + 2 * cell.Row) + 3 * k;
            StampShape(picture, layer.Mask, cell.Rect, kFills[colour % kFills.size()]);
        }
    }
    return picture;
}

} // namespace qx::maskgen
