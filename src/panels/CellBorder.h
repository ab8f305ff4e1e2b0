#pragma once

#include <cstdint>

namespace qx {

class TqxProject07;

// The border controls of the Beginner and Advanced panels.
struct TCellBorder {
    int Size = 0;                  // ebs, pixels, 0..20
    std::uint32_t Color = 0xFFFFFF; // color1, 0x00BBGGRR
};

inline constexpr int kMaxBorderSize = 20;

// BorderSize, raised to 0 or lowered to 20 (the edit's range), and
// BorderColor without its top byte, which a colour value never carries.
void ApplyCellBorder(const TCellBorder& border, TqxProject07& project);

} // namespace qx
