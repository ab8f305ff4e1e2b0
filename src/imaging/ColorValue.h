#pragma once

#include "imaging/TBitmap32.h"

#include <cstdint>

namespace qx {

// A colour value as settings and project files hold it, 0x00BBGGRR (red in
// the low byte), as an opaque pixel. The top byte is ignored.
constexpr TColor32 ColorValueToPixel(std::uint32_t value)
{
    return Color32(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace qx
