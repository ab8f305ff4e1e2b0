#include "render/TilePhoto.h"

#include "imaging/ImageFunctions.h"

#include <algorithm>
#include <cstdint>

namespace qx {

namespace {

// ceil(a * b / c) for positive operands.
int ScaledUp(int a, int b, int c)
{
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    return static_cast<int>((product + c - 1) / c);
}

} // namespace

TPixelSize PhotoDecodeSize(const TqxProject07& project, const TRect& cellRect)
{
    const int width = std::max(cellRect.Width(), 1);
    const int height = std::max(cellRect.Height(), 1);
    if (!project.CropCellImage)
        return {width, height};
    // The crop keeps either the photo's whole width or its whole height. A
    // photo at least this wide keeps enough height when it is the taller one,
    // and at least this high keeps enough width when it is the wider one.
    return {std::max(width, ScaledUp(height, project.CellWidth, project.CellHeight)),
            std::max(height, ScaledUp(width, project.CellHeight, project.CellWidth))};
}

TBitmap32 LoadTilePhoto(const TqxProject07& project, const std::filesystem::path& file, TPixelSize minSize)
{
    TBitmap32 photo;
    LoadImageFileScaled(photo, file, minSize.Width, minSize.Height);
    if (project.CropCellImage && !photo.Empty())
        CropToAspect(photo, photo, project.CellWidth, project.CellHeight);
    if (project.MonoCellImage)
        ConvertToGray(photo, photo, 1);
    return photo;
}

} // namespace qx
