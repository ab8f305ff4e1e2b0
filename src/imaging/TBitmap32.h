#pragma once

#include <cstdint>
#include <vector>

namespace qx {

// A 32-bit pixel: alpha in bits 24-31, red 16-23, green 8-15, blue 0-7.
using TColor32 = std::uint32_t;

constexpr TColor32 Color32(unsigned r, unsigned g, unsigned b, unsigned a = 255)
{
    return (a << 24) | (r << 16) | (g << 8) | b;
}
constexpr unsigned AlphaOf(TColor32 c) { return c >> 24; }
constexpr unsigned RedOf(TColor32 c) { return (c >> 16) & 0xFF; }
constexpr unsigned GreenOf(TColor32 c) { return (c >> 8) & 0xFF; }
constexpr unsigned BlueOf(TColor32 c) { return c & 0xFF; }

// Resampling filters for stretched drawing, in the order of the project's
// StretchFilter byte (0..6).
enum class TResampler : std::uint8_t { Nearest, Draft, Linear, Cosine, Spline, Lanczos, Mitchell };

enum class TDrawMode : std::uint8_t { Opaque, Blend };

// Rectangle with exclusive right and bottom edges.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

// Lays F over B with weight F.alpha * (masterAlpha + 1) / 256: every channel,
// alpha included, moves from B towards F by weight/256, rounded. The full
// weight 255 (F opaque, master alpha 255) gives F itself. A master alpha
// above 255 counts as 255.
TColor32 BlendPixel(TColor32 f, TColor32 b, unsigned masterAlpha);

// A 32-bit ARGB bitmap, row-major, top row first. Reads outside the bitmap
// give OuterColor; writes outside are ignored.
class TBitmap32 {
public:
    TBitmap32() = default;
    TBitmap32(int width, int height);

    // Sizes below zero are taken as zero. New pixels are 0.
    void SetSize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    void Clear(TColor32 color);
    // Fills the part of rect that lies inside the bitmap.
    void FillRect(const TRect& rect, TColor32 color);

    TColor32 Pixel(int x, int y) const
    {
        return Inside(x, y) ? pixels_[Index(x, y)] : OuterColor;
    }
    void SetPixel(int x, int y, TColor32 color)
    {
        if (Inside(x, y))
            pixels_[Index(x, y)] = color;
    }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    TColor32* ScanLine(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const TColor32* ScanLine(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    TColor32* Bits() { return pixels_.data(); }
    const TColor32* Bits() const { return pixels_.data(); }

    // Copies size and pixels (not the settings below).
    void Assign(const TBitmap32& source);

    // Draws the whole source stretched onto dest (a rectangle of this bitmap),
    // resampled with the source's Resampler and combined pixel by pixel by
    // the source's DrawMode (blend: BlendPixel with the source's
    // MasterAlpha). Parts of dest outside this bitmap are clipped. A dest of
    // the source's own size draws the pixels unfiltered, as DrawFrom does.
    // The source may be this bitmap.
    void StretchDrawFrom(const TBitmap32& source, const TRect& dest);
    // Unscaled draw of the whole source with its top-left corner at (x, y),
    // combined and clipped as StretchDrawFrom does.
    void DrawFrom(const TBitmap32& source, int x, int y);

    TResampler Resampler = TResampler::Nearest;
    TDrawMode DrawMode = TDrawMode::Opaque;
    unsigned MasterAlpha = 255;
    TColor32 OuterColor = 0;

private:
    // Lays count pixels onto row y from column x on, by mode; the span must
    // lie inside this bitmap.
    void CombineRow(const TColor32* pixels, int count, int x, int y, TDrawMode mode, unsigned masterAlpha);

    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_ = 0;
    int height_ = 0;
    std::vector<TColor32> pixels_;
};

} // namespace qx
