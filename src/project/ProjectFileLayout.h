#pragma once

#include "project/TqxProject07.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

namespace qx {

// The layout of "project.QX8": a header of eight int32 section sizes, then
// sections 0..7, where section 0 is empty and section k (1..7) holds run Rk
// of the record byte for byte. The field table drives both the writer and
// the reader, so the two cannot drift apart.

inline constexpr int kProjectHeaderSize = 32;
inline constexpr int kProjectSectionCount = 8;
inline constexpr int kProjectFileSize = 328;

// Where a section lies in a file written with the standard sizes.
struct ProjectSectionSlot {
    int Start;
    int Size;
};

using ProjectFieldMember = std::variant<
    std::int32_t TqxProject07::*,
    std::uint32_t TqxProject07::*, // a colour, 0x00BBGGRR
    bool TqxProject07::*,
    std::uint8_t TqxProject07::*,
    std::array<bool, 24> TqxProject07::*,
    TCurvePoints TqxProject07::*,
    std::array<std::uint8_t, 56> TqxProject07::*>;

struct ProjectField {
    std::string_view Name;
    int Section; // 1..7
    int Offset;  // in a file with the standard sizes
    ProjectFieldMember Member;
    bool Reserved;
};

// Sections 0..7 with their standard sizes, which are the sizes of the runs.
std::span<const ProjectSectionSlot, kProjectSectionCount> ProjectSectionSlots();

// Every stored field in file order; the bytes between them are padding.
std::span<const ProjectField> ProjectFields();

// Bytes the field occupies in the file.
int ProjectFieldWidth(const ProjectFieldMember& member);

} // namespace qx
