#pragma once

#include "imaging/BmpBitField.h"
#include "imaging/TBitmap32.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace qx {

// The headers of a bitmap file after every check: the picture fits the size
// limits, the palette and the pixel data lie inside the file.
struct TBmpHeader {
    int Width = 0;
    int Height = 0;            // always positive; see TopDown
    bool TopDown = false;
    unsigned BitCount = 0;
    std::uint32_t Compression = 0;
    std::size_t PixelOffset = 0;
    // 1 << BitCount entries for indexed pictures; entries the file does not
    // define are opaque black, so any stored index is safe to look up.
    std::vector<TColor32> Palette;
    // Red, green, blue, alpha, for 16- and 32-bit bit-field pixels (16-bit
    // pictures without masks get 5-5-5).
    TBmpBitField Red, Green, Blue, Alpha;

    bool Rle() const;
    bool Masked() const;
};

// Reads and checks the headers; throws QuiltixError naming `file` and the
// first fault found. Nothing large is allocated before the checks pass.
TBmpHeader ParseBmpHeader(std::span<const std::uint8_t> bytes, const std::filesystem::path& file);

} // namespace qx
