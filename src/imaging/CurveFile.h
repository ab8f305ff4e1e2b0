#pragma once

#include "imaging/CurvePoints.h"

#include <filesystem>

namespace qx {

// Curve files (".ehc" enhance, ".amc" alpha): 40 bytes, five points, each
// x then y as little-endian int32, no header.
inline constexpr std::size_t kCurveFileSize = 40;

// Reads the first 40 bytes of the file into points. A shorter file fills
// only the values it holds whole; the others keep theirs. Values read are
// clamped to 0..255. Returns false and leaves points untouched when the
// file does not exist; throws QuiltixError naming the file when it exists
// but cannot be read.
bool ReadCurveFile(const std::filesystem::path& file, TCurvePoints& points);

// Writes the five points as a 40-byte curve file, atomically. Throws
// QuiltixError naming the file when it cannot be written.
void WriteCurveFile(const std::filesystem::path& file, const TCurvePoints& points);

} // namespace qx
