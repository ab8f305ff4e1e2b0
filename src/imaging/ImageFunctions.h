#pragma once

#include "imaging/TBitmap24.h"
#include "imaging/TBitmap32.h"
#include "imaging/TBlockColor.h"
#include "imaging/TImageSize.h"

#include <filesystem>
#include <optional>

// Stateless bitmap operations shared by every subsystem. Bitmaps belong to
// the caller; where a source and a destination may be the same bitmap, the
// contract says "may run in place". Every resize uses the halftone filter.
namespace qx {

enum class TImageType : int { Jpeg = 1, Bmp = 2, Other = 3 };

// 0 for v <= 0, v below 255, else 255.
int ClampByte(int v);

// True when an edge end of one rectangle lies strictly inside the other
// along both axes: a corner region of one lies inside the other. False for
// identical rectangles, shared edges and plus-shaped crossings.
bool RectsCross(const TRect& a, const TRect& b);

// Index 0..215 of the 6x6x6 colour cube: (B/51)*36 + (G/51)*6 + R/51, each
// quotient limited to 5.
int ColorToCubeIndex(TBlockColor color);

// Jpeg when the file starts with FF D8 and ends with FF D9, else Bmp when it
// starts with "BM", else Other (also for missing, unreadable or one-byte
// files).
TImageType DetectImageType(const std::filesystem::path& file);

// Decodes a JPEG or BMP file into the bitmap, which takes the picture's size
// and keeps its resampler and draw settings. A file of another type leaves
// the bitmap exactly as it was. A decoder error in a file of the right
// signature throws QuiltixError.
void LoadImageFile(TBitmap32& bitmap, const std::filesystem::path& file);
// The same, but a JPEG is decoded at the smallest scale that is still at
// least minWidth x minHeight; a BMP is read at full size.
void LoadImageFileScaled(TBitmap32& bitmap, const std::filesystem::path& file, int minWidth, int minHeight);

// The size of a JPEG or BMP file's picture, read from its headers without
// decoding the pixels; nullopt for a file of another type. A header the
// decoder would refuse throws the decoder's QuiltixError.
std::optional<TImageSize> ReadImageFileSize(const std::filesystem::path& file);

// The destination takes width x height and receives the whole source.
// May run in place. StretchBitmap32 keeps the destination's alpha when its
// size does not change.
void StretchBitmap(const TBitmap24& source, TBitmap24& dest, int width, int height);
void StretchBitmap32(const TBitmap32& source, TBitmap32& dest, int width, int height);

// The destination takes the largest size with the source's aspect ratio that
// fits the rectangle's size (not its position) and receives the source. An
// empty source leaves the destination untouched.
void FitBitmapToRect(const TBitmap32& source, TBitmap24& dest, const TRect& rect);

// Copies the source and mirrors it left-right and/or top-bottom. May run in
// place.
void CopyFlipped(const TBitmap32& source, TBitmap32& dest, bool flipLeftRight, bool flipTopBottom);

// The destination becomes the centred crop of the source with the aspect
// aspectWidth : aspectHeight. May run in place. A non-positive aspect throws
// QuiltixError.
void CropToAspect(const TBitmap32& source, TBitmap32& dest, int aspectWidth, int aspectHeight);

// The destination becomes the source turned about its centre by angleDegrees
// (positive turns counter-clockwise on screen), same size, on a ground of
// fill used as a raw pixel word. Sampling and combining follow the source's
// Resampler and DrawMode. May run in place.
void RotateBitmap(const TBitmap32& source, TBitmap32& dest, double angleDegrees, TColor32 fill);

// The destination becomes an opaque grey copy of the source with the weight
// set 1..4 (1: 0.299/0.587/0.114, 2: 0.45/0.35/0.2, 3: 0.3588/0.402/0.2392,
// 4: 0.333/0.334/0.333). Another set throws QuiltixError. May run in place.
void ConvertToGray(const TBitmap32& source, TBitmap32& dest, int weightSet);

// Adds the signed shifts to the channels, each clamped to 0..255, and makes
// every pixel opaque. May run in place.
void ShiftChannels(const TBitmap32& source, TBitmap32& dest, int redShift, int greenShift, int blueShift);

// Truncated mean colour of the rectangle (right and bottom exclusive) with
// its luminance. The rectangle is clipped to the bitmap; an empty one gives 0.
TBlockColor AverageBlockColor(const TBitmap24& bitmap, const TRect& rect);

// The destination becomes the source in blend mode with alpha 255 where the
// mask, shrunk to (W - border) x (H - border) and inset by border / 2 at the
// left and top, has a non-zero blue byte, and 0 everywhere else. The colour
// channels are kept. A border that leaves no inside makes every alpha 0.
// May run in place.
void ApplyCellMask(const TBitmap32& source, TBitmap32& dest, const TBitmap32& mask, int borderWidth);

// Draws the histogram of channel 0 (red, green and blue together), 1 (red),
// 2 (green) or 3 (blue) of the source as black bars on white into the
// target at its current size; another channel draws an empty chart.
void DrawHistogram(const TBitmap24& source, TBitmap24& target, int channel);
// The same for a 32-bit source; the target first becomes 128 x 48 pixels.
void DrawHistogram32(TBitmap24& target, const TBitmap32& source, int channel);

} // namespace qx
