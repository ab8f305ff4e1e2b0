#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qx::cli {

// The two sides of a "WxH" option, as typed.
struct TSidePair {
    std::string Width;
    std::string Height;
};

// Splits "16x24" (or "16X24") at its x; the sides stay text for the panel
// computations, which read numbers their own way. Throws QuiltixError
// naming the option when there is no x.
TSidePair SplitSidePair(const std::string& text, std::string_view option);

struct TPixelPair {
    int Width = 0;
    int Height = 0;
};

// "48x36" as two whole numbers. Throws QuiltixError naming the option when
// either side is not a whole number.
TPixelPair ParsePixelPair(const std::string& text, std::string_view option);

// "FF8000" or "#FF8000" (red, green, blue) as a colour value 0x00BBGGRR.
// Throws QuiltixError for anything but six hexadecimal digits.
std::uint32_t ParseColourValue(const std::string& text, std::string_view option);

} // namespace qx::cli
