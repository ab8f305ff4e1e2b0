#pragma once

#include <cstddef>
#include <cstdint>

namespace qx {

// Sizes and codes of the Windows bitmap file layout shared by the reader and
// the writer.
constexpr std::size_t kBmpFileHeaderSize = 14;
constexpr std::size_t kBmpInfoHeaderSize = 40;
constexpr std::size_t kBmpCoreHeaderSize = 12;

constexpr std::uint32_t kBmpRgb = 0;
constexpr std::uint32_t kBmpRle8 = 1;
constexpr std::uint32_t kBmpRle4 = 2;
constexpr std::uint32_t kBmpBitFields = 3;
constexpr std::uint32_t kBmpAlphaBitFields = 6;

// Largest picture either codec accepts: pixels a side, and pixels in all.
constexpr int kMaxImageSide = 32768;
constexpr std::uint64_t kMaxImagePixels = 200'000'000;

// Bytes of one stored row: rows are padded to a multiple of four bytes.
constexpr std::uint64_t BmpRowStride(std::uint64_t width, unsigned bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

} // namespace qx
