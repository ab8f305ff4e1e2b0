#pragma once

#include "imaging/BmpHeader.h"
#include "imaging/TBitmap32.h"

#include <cstdint>
#include <span>

namespace qx {

// Decodes the uncompressed rows of a checked bitmap into `out`, which must
// already have the header's size.
void DecodeBmpRows(const TBmpHeader& header, std::span<const std::uint8_t> bytes, TBitmap32& out);

} // namespace qx
