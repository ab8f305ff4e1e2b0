#pragma once

#include "imaging/TBitmap32.h"
#include "imaging/TImageSize.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace qx {

// Pixels per metre written into the BMP info header (0 = unspecified).
struct TBmpResolution {
    std::int32_t XPelsPerMeter = 0;
    std::int32_t YPelsPerMeter = 0;
};

// Decodes a Windows bitmap: 1, 4, 8, 16, 24 and 32 bits, palettes, bit
// fields, RLE8 and RLE4, bottom-up and top-down. 32-bit pixels keep their
// stored alpha (bit fields only with an alpha mask); other formats load with
// alpha 255. A palette index the file's palette does not define reads as
// opaque black; pixels RLE data skips take palette colour 0. Every header field
// is checked against the data's length and sane limits (32768 pixels a
// side, 200 megapixels) before anything is allocated; a bad file throws
// QuiltixError naming `file` and the fault.
TBitmap32 DecodeBmp(std::span<const std::uint8_t> bytes, const std::filesystem::path& file);
TBitmap32 LoadBmpFile(const std::filesystem::path& file);

// The picture size after the same header checks as DecodeBmp (so a file
// whose pixel data the headers place beyond its end is refused); faults
// inside RLE data go unnoticed.
TImageSize ReadBmpSize(std::span<const std::uint8_t> bytes, const std::filesystem::path& file);

// Writes uncompressed bottom-up bitmaps with 54-byte headers, replacing the
// file atomically; rows are streamed, so huge pages need no second copy.
// SaveBmp32 stores alpha as held. An empty picture, or one too large for
// the format's 4 GB size fields, throws QuiltixError naming `file`.
void SaveBmp32(const std::filesystem::path& file, const TBitmap32& bitmap, TBmpResolution resolution = {});
void SaveBmp24(const std::filesystem::path& file, const TBitmap32& bitmap, TBmpResolution resolution = {});

} // namespace qx
