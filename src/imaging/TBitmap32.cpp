#include "imaging/TBitmap32.h"

#include <algorithm>

namespace qx {

TBitmap32::TBitmap32(int width, int height)
{
    SetSize(width, height);
}

void TBitmap32::SetSize(int width, int height)
{
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    pixels_.assign(static_cast<std::size_t>(width_) * height_, 0);
}

void TBitmap32::Clear(TColor32 color)
{
    std::fill(pixels_.begin(), pixels_.end(), color);
}

void TBitmap32::FillRect(const TRect& rect, TColor32 color)
{
    const int left = std::max(0, rect.Left);
    const int right = std::min(width_, rect.Right);
    const int top = std::max(0, rect.Top);
    const int bottom = std::min(height_, rect.Bottom);
    for (int y = top; y < bottom; ++y)
        std::fill(ScanLine(y) + left, ScanLine(y) + std::max(left, right), color);
}

void TBitmap32::Assign(const TBitmap32& source)
{
    if (&source == this)
        return;
    width_ = source.width_;
    height_ = source.height_;
    pixels_ = source.pixels_;
}

} // namespace qx
