#pragma once

#include "imaging/BmpHeader.h"
#include "imaging/TBitmap32.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace qx {

// Decodes the RLE8 or RLE4 pixel data of a checked bitmap into `out`, which
// must already have the header's size. Pixels the data skips (delta and
// end-of-line codes) take palette colour 0. Data that would write outside
// the picture, or ends before its end-of-bitmap code, throws QuiltixError
// naming `file`.
void DecodeBmpRle(const TBmpHeader& header, std::span<const std::uint8_t> bytes, const std::filesystem::path& file,
                  TBitmap32& out);

} // namespace qx
