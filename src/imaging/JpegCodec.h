#pragma once

#include "imaging/TBitmap32.h"
#include "imaging/TImageSize.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace qx {

// Decodes a JPEG at full size. Grey and CMYK pictures arrive as RGB with
// alpha 255 (CMYK taken as the inverted form Adobe's programs write). A
// truncated file still gives a picture of the full size; a decoder error,
// or a header claiming more than 32768 pixels a side or 200 megapixels,
// throws QuiltixError naming `file`. Safe to call from several threads.
TBitmap32 DecodeJpeg(std::span<const std::uint8_t> bytes, const std::filesystem::path& file);
TBitmap32 LoadJpegFile(const std::filesystem::path& file);

// As above, at the smallest TurboJPEG scaling factor (1/8 .. 1/1) whose
// result is still at least minWidth x minHeight; full size when no smaller
// factor covers that.
TBitmap32 DecodeJpegScaled(std::span<const std::uint8_t> bytes, const std::filesystem::path& file,
                           int minWidth, int minHeight);
TBitmap32 LoadJpegFileScaled(const std::filesystem::path& file, int minWidth, int minHeight);

// The picture size from the header alone, with the decoder's checks and
// errors for the header; faults in the pixel data go unnoticed.
TImageSize ReadJpegSize(std::span<const std::uint8_t> bytes, const std::filesystem::path& file);

} // namespace qx
