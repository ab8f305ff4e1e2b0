#include "imaging/ColorValue.h"

#include <gtest/gtest.h>

namespace {

const struct {
    std::uint32_t Value;
    qx::TColor32 Pixel;
} kColorValues[] = {
    {0x000000FF, 0xFFFF0000}, // red sits in the low byte of a colour value
    {0x0000FF00, 0xFF00FF00},
    {0x00FF0000, 0xFF0000FF},
    {0x00123456, 0xFF563412},
    {0xAB000000, 0xFF000000}, // the top byte never leaks into alpha
};

TEST(ColorValue, BecomesAnOpaquePixelWithRedAndBlueSwapped)
{
    for (const auto& row : kColorValues)
        EXPECT_EQ(qx::ColorValueToPixel(row.Value), row.Pixel) << std::hex << row.Value;
}

} // namespace
