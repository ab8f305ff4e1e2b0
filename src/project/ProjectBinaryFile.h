#pragma once

#include "project/TqxProject07.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace qx {

// The 328 bytes of "project.QX8" for runs R1..R7 of the record: the header
// with the standard section sizes, every field at its offset, padding 0.
std::vector<std::uint8_t> EncodeProjectBinary(const TqxProject07& project);

// Fills runs R1..R7 from the bytes of a "project.QX8" file, following the
// sizes its header gives; `file` names the file in errors.
// - Fewer bytes than the header: nothing changes.
// - A section cut short by the end of the bytes, or smaller than its run,
//   fills the fields it covers completely; the rest of the run keeps its
//   values, and the next section starts where the header says.
// - A section larger than its run fills the run and its excess is skipped.
// Throws QuiltixError, before changing anything, for a negative size, a
// size above 1 MiB, or a section larger than its run that reaches past the
// end of the bytes. Curve points are clamped to 0..255.
void DecodeProjectBinary(std::span<const std::uint8_t> bytes, const std::filesystem::path& file,
                         TqxProject07& project);

// Replaces the file atomically with EncodeProjectBinary(project).
void WriteProjectBinaryFile(const std::filesystem::path& file, const TqxProject07& project);

// Reads the file and decodes it as above. Throws QuiltixError naming the
// file when it cannot be read.
void ReadProjectBinaryFile(const std::filesystem::path& file, TqxProject07& project);

} // namespace qx
