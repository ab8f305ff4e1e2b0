#pragma once

#include <cstdint>

namespace qx {

// The average colour of a block: byte 0 (lowest) luminance, byte 1 red,
// byte 2 green, byte 3 blue. Stored in this byte order in feature and cell
// records.
using TBlockColor = std::uint32_t;

constexpr TBlockColor MakeBlockColor(unsigned luminance, unsigned r, unsigned g, unsigned b)
{
    return (b << 24) | (g << 16) | (r << 8) | luminance;
}
constexpr unsigned LuminanceOf(TBlockColor c) { return c & 0xFF; }
constexpr unsigned BlockRedOf(TBlockColor c) { return (c >> 8) & 0xFF; }
constexpr unsigned BlockGreenOf(TBlockColor c) { return (c >> 16) & 0xFF; }
constexpr unsigned BlockBlueOf(TBlockColor c) { return c >> 24; }

// Truncated R*0.299 + G*0.587 + B*0.114, summed left to right in 80-bit
// extended precision; whole-number sums therefore come out one less for
// some greys (63 -> 62). Channels are 0..255.
unsigned Luminance(unsigned r, unsigned g, unsigned b);

// The block colour of (r, g, b) with its luminance.
TBlockColor BlockColorOf(unsigned r, unsigned g, unsigned b);

} // namespace qx
