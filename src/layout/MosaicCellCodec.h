#pragma once

#include "common/ByteIO.h"
#include "layout/TMosaicCell.h"

namespace qx {

// The 576-byte little-endian record of one cell in "project.LYS".
inline constexpr std::size_t kMosaicCellBytes = 576;

void WriteMosaicCell(ByteWriter& out, const TMosaicCell& cell);
// Reads one record; the caller checks that 576 bytes remain.
TMosaicCell ReadMosaicCell(ByteReader& in);

} // namespace qx
