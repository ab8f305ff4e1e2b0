#pragma once

#include "imaging/TBitmap32.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace qx {

// Decodes a JPEG at full size. Grey and CMYK pictures arrive as RGB with
// alpha 255. A truncated file still gives a picture; a decoder error, or a
// header claiming more than 32768 pixels a side or 200 megapixels, throws
// QuiltixError naming `file`.
TBitmap32 DecodeJpeg(std::span<const std::uint8_t> bytes, const std::filesystem::path& file);
TBitmap32 LoadJpegFile(const std::filesystem::path& file);

// As above, at the smallest TurboJPEG scaling factor whose result is still
// at least minWidth x minHeight (full size when no factor is small enough).
TBitmap32 DecodeJpegScaled(std::span<const std::uint8_t> bytes, const std::filesystem::path& file,
                           int minWidth, int minHeight);
TBitmap32 LoadJpegFileScaled(const std::filesystem::path& file, int minWidth, int minHeight);

} // namespace qx
