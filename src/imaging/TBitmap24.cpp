#include "imaging/TBitmap24.h"

#include <algorithm>

namespace qx {

TBitmap24::TBitmap24(int width, int height)
{
    SetSize(width, height);
}

void TBitmap24::SetSize(int width, int height)
{
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    bytes_.assign(RowBytes() * static_cast<std::size_t>(height_), 0);
}

void TBitmap24::Clear(TColor32 color)
{
    const std::uint8_t bgr[3] = {static_cast<std::uint8_t>(BlueOf(color)),
                                 static_cast<std::uint8_t>(GreenOf(color)),
                                 static_cast<std::uint8_t>(RedOf(color))};
    for (std::size_t i = 0; i < bytes_.size(); ++i)
        bytes_[i] = bgr[i % 3];
}

TColor32 TBitmap24::Pixel(int x, int y) const
{
    if (!Inside(x, y))
        return 0;
    const std::uint8_t* p = ScanLine(y) + 3 * static_cast<std::size_t>(x);
    return Color32(p[2], p[1], p[0]);
}

void TBitmap24::SetPixel(int x, int y, TColor32 color)
{
    if (!Inside(x, y))
        return;
    std::uint8_t* p = ScanLine(y) + 3 * static_cast<std::size_t>(x);
    p[0] = static_cast<std::uint8_t>(BlueOf(color));
    p[1] = static_cast<std::uint8_t>(GreenOf(color));
    p[2] = static_cast<std::uint8_t>(RedOf(color));
}

} // namespace qx
