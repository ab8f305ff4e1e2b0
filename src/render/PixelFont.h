#pragma once

#include "imaging/TBitmap32.h"

#include <string_view>

namespace qx {

// A tiny built-in bitmap font: glyphs of 5 x 7 pixels on a 6-pixel advance,
// enough for the captions the reports draw ("Final Difference"). A
// character without a glyph leaves a blank of one advance.
inline constexpr int kPixelFontAdvance = 6;
inline constexpr int kPixelFontHeight = 7;

// Sets the glyph pixels of text in color, the first glyph's top-left corner
// at (x, y); pixels outside the bitmap are dropped.
void DrawPixelText(TBitmap32& bitmap, int x, int y, std::string_view text, TColor32 color);

} // namespace qx
