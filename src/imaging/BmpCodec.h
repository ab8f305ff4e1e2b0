#pragma once

#include "imaging/TBitmap32.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace qx {

// Pixels per metre written into the BMP info header (0 = unspecified).
struct TBmpResolution {
    std::int32_t XPelsPerMeter = 0;
    std::int32_t YPelsPerMeter = 0;
};

// Decodes a Windows bitmap. Every header field is checked against the data's
// length and sane limits before anything is allocated; a bad file throws
// QuiltixError naming `file` and the fault.
TBitmap32 DecodeBmp(std::span<const std::uint8_t> bytes, const std::filesystem::path& file);
TBitmap32 LoadBmpFile(const std::filesystem::path& file);

// Writes uncompressed bottom-up bitmaps with 54-byte headers, replacing the
// file atomically; rows are streamed, so huge pages need no second copy.
void SaveBmp32(const std::filesystem::path& file, const TBitmap32& bitmap, TBmpResolution resolution = {});
void SaveBmp24(const std::filesystem::path& file, const TBitmap32& bitmap, TBmpResolution resolution = {});

} // namespace qx
