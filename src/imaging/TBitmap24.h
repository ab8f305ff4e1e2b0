#pragma once

#include "imaging/TBitmap32.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qx {

// A 24-bit bitmap: rows of blue, green, red bytes, top row first, rows packed
// without padding. Used as the intermediate of block averaging and for
// picture previews.
class TBitmap24 {
public:
    TBitmap24() = default;
    TBitmap24(int width, int height);

    // Sizes below zero are taken as zero. New pixels are black.
    void SetSize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    std::size_t RowBytes() const { return static_cast<std::size_t>(width_) * 3; }

    // Fills every pixel with the colour channels of an ARGB pixel.
    void Clear(TColor32 color);

    // Pixels are read as opaque ARGB words; reads outside give 0 and writes
    // outside are ignored. The alpha of a written pixel is dropped.
    TColor32 Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor32 color);
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    std::uint8_t* ScanLine(int y) { return bytes_.data() + static_cast<std::size_t>(y) * RowBytes(); }
    const std::uint8_t* ScanLine(int y) const { return bytes_.data() + static_cast<std::size_t>(y) * RowBytes(); }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bytes_;
};

} // namespace qx
