#include "render/PixelFont.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace qx {

namespace {

// Rows top to bottom; bit 4 is the leftmost column.
struct TGlyph {
    char Character;
    std::array<std::uint8_t, kPixelFontHeight> Rows;
};

constexpr TGlyph kGlyphs[] = {
    {'D', {0b11100, 0b10010, 0b10001, 0b10001, 0b10001, 0b10010, 0b11100}},
    {'F', {0b11111, 0b10000, 0b10000, 0b11110, 0b10000, 0b10000, 0b10000}},
    {'a', {0b00000, 0b00000, 0b01110, 0b00001, 0b01111, 0b10001, 0b01111}},
    {'c', {0b00000, 0b00000, 0b01110, 0b10000, 0b10000, 0b10001, 0b01110}},
    {'e', {0b00000, 0b00000, 0b01110, 0b10001, 0b11111, 0b10000, 0b01110}},
    {'f', {0b00110, 0b01001, 0b01000, 0b11100, 0b01000, 0b01000, 0b01000}},
    {'i', {0b00100, 0b00000, 0b01100, 0b00100, 0b00100, 0b00100, 0b01110}},
    {'l', {0b01100, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110}},
    {'n', {0b00000, 0b00000, 0b10110, 0b11001, 0b10001, 0b10001, 0b10001}},
    {'r', {0b00000, 0b00000, 0b10110, 0b11001, 0b10000, 0b10000, 0b10000}},
};

const TGlyph* GlyphOf(char c)
{
    const auto* found = std::find_if(std::begin(kGlyphs), std::end(kGlyphs),
                                     [c](const TGlyph& g) { return g.Character == c; });
    return found == std::end(kGlyphs) ? nullptr : found;
}

void DrawGlyph(TBitmap32& bitmap, int x, int y, const TGlyph& glyph, TColor32 color)
{
    for (int row = 0; row < kPixelFontHeight; ++row)
        for (int column = 0; column < 5; ++column)
            if (glyph.Rows[static_cast<std::size_t>(row)] & (0b10000 >> column))
                bitmap.SetPixel(x + column, y + row, color);
}

} // namespace

void DrawPixelText(TBitmap32& bitmap, int x, int y, std::string_view text, TColor32 color)
{
    for (char c : text) {
        if (const TGlyph* glyph = GlyphOf(c))
            DrawGlyph(bitmap, x, y, *glyph, color);
        x += kPixelFontAdvance;
    }
}

} // namespace qx
