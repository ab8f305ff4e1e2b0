#pragma once

#include "imaging/TBitmap32.h"

#include <cstdint>

// Red and green ramps across the picture, blue rising along the diagonal
// once every `diagonalStep` pixels, and a little noise on red and blue from
// a linear congruential sequence started at seed, so the code under
// measurement works on varied values rather than a constant.
inline qx::TBitmap32 NoisyGradient(int width, int height, std::uint32_t seed, int diagonalStep)
{
    qx::TBitmap32 picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const unsigned noise = seed >> 28;
            picture.SetPixel(x, y, qx::Color32((x * 255 / (width - 1) + noise) & 0xFF, (y * 255 / (height - 1)) & 0xFF,
                                               ((x + y) / diagonalStep + noise) & 0xFF));
        }
    return picture;
}
