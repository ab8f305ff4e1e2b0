#pragma once

#include "imaging/TBitmap32.h"

#include <cstdint>

namespace qx::test {

// Every pixel, alpha included, drawn from a linear congruential sequence
// started at seed, so neighbours differ and any shifted or dropped pixel
// shows.
inline TBitmap32 NoisePicture(int width, int height, std::uint32_t seed)
{
    TBitmap32 picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            picture.SetPixel(x, y, seed);
        }
    return picture;
}

inline TBitmap32 PlainPicture(int width, int height, TColor32 color)
{
    TBitmap32 picture(width, height);
    picture.Clear(color);
    return picture;
}

inline bool SamePixels(const TBitmap32& a, const TBitmap32& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

} // namespace qx::test
