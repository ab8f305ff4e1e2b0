#include "project/ProjectBinaryFile.h"

#include "common/ByteIO.h"
#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "imaging/CurveTable.h"
#include "project/ProjectFileLayout.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace qx {

namespace fs = std::filesystem;

namespace {

using P = TqxProject07;

// No run is anywhere near this long; a larger size means the header is not
// one of ours.
constexpr std::int64_t kMaxSectionSize = std::int64_t{1} << 20;
constexpr std::size_t kMaxUsefulBytes = kProjectHeaderSize + kProjectSectionCount * kMaxSectionSize;

struct FieldWriter {
    const P& project;
    ByteWriter& out;

    void operator()(std::int32_t P::*m) const { out.I32(project.*m); }
    void operator()(std::uint32_t P::*m) const { out.U32(project.*m); }
    void operator()(bool P::*m) const { out.Bool(project.*m); }
    void operator()(std::uint8_t P::*m) const { out.U8(project.*m); }
    void operator()(std::array<bool, 24> P::*m) const
    {
        for (bool step : project.*m)
            out.Bool(step);
    }
    void operator()(TCurvePoints P::*m) const
    {
        for (const TCurvePoint& point : project.*m) {
            out.I32(point.x);
            out.I32(point.y);
        }
    }
    void operator()(std::array<std::uint8_t, 56> P::*m) const { out.Bytes(project.*m); }
};

struct FieldReader {
    P& project;
    ByteReader& in;

    void operator()(std::int32_t P::*m) const { project.*m = in.I32(); }
    void operator()(std::uint32_t P::*m) const { project.*m = in.U32(); }
    void operator()(bool P::*m) const { project.*m = in.Bool(); }
    void operator()(std::uint8_t P::*m) const { project.*m = in.U8(); }
    void operator()(std::array<bool, 24> P::*m) const
    {
        for (bool& step : project.*m)
            step = in.Bool();
    }
    void operator()(TCurvePoints P::*m) const
    {
        for (TCurvePoint& point : project.*m) {
            point.x = in.I32();
            point.y = in.I32();
        }
        ClampCurvePoints(project.*m);
    }
    void operator()(std::array<std::uint8_t, 56> P::*m) const
    {
        const auto block = in.Bytes((project.*m).size());
        std::copy(block.begin(), block.end(), (project.*m).begin());
    }
};

// Where a section actually lies in the bytes being read.
struct SectionPlace {
    std::size_t Start = 0;
    std::size_t Size = 0;
};

std::string SectionFault(const fs::path& file, int section, const std::string& fault)
{
    return "The project file " + QuotedPath(file) + " gives section " + std::to_string(section) + " " +
           fault + ".";
}

std::array<SectionPlace, kProjectSectionCount> PlaceSections(std::span<const std::uint8_t> bytes,
                                                              const fs::path& file)
{
    ByteReader header(bytes);
    std::array<SectionPlace, kProjectSectionCount> places;
    std::size_t start = kProjectHeaderSize;
    for (int s = 0; s < kProjectSectionCount; ++s) {
        const std::int64_t size = header.I32();
        if (size < 0)
            throw QuiltixError(SectionFault(file, s, "a negative size"));
        if (size > kMaxSectionSize)
            throw QuiltixError(SectionFault(file, s, "a size of " + std::to_string(size) +
                                                         " bytes, above the limit of 1 MiB"));
        // A run-sized section cut off by the end of the file is a truncated
        // file and is read as far as it goes; a section claiming more than
        // its run must be there in full, or the header cannot be trusted.
        const bool oversized = size > ProjectSectionSlots()[s].Size;
        if (oversized && start + static_cast<std::size_t>(size) > bytes.size())
            throw QuiltixError(SectionFault(file, s, "a size of " + std::to_string(size) +
                                                         " bytes, which runs beyond the end of the file"));
        places[s] = {start, static_cast<std::size_t>(size)};
        start += static_cast<std::size_t>(size);
    }
    return places;
}

std::vector<std::uint8_t> ReadUsefulBytes(const fs::path& file)
{
    std::error_code ec;
    const std::uintmax_t length = fs::file_size(file, ec);
    std::ifstream in(file, std::ios::binary);
    if (ec || !in)
        throw QuiltixError("The file " + QuotedPath(file) + " cannot be opened for reading.");
    // Bytes past the longest possible header and sections are never looked
    // at, so an oversized file costs no more memory than a valid one.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::min<std::uintmax_t>(length, kMaxUsefulBytes)));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        throw QuiltixError("The file " + QuotedPath(file) + " cannot be read.");
    return bytes;
}

} // namespace

std::vector<std::uint8_t> EncodeProjectBinary(const TqxProject07& project)
{
    ByteWriter out;
    for (const ProjectSectionSlot& slot : ProjectSectionSlots())
        out.I32(slot.Size);
    for (const ProjectField& field : ProjectFields()) {
        out.Zeros(static_cast<std::size_t>(field.Offset) - out.Size());
        std::visit(FieldWriter{project, out}, field.Member);
    }
    out.Zeros(static_cast<std::size_t>(kProjectFileSize) - out.Size());
    return std::move(out.Data());
}

void DecodeProjectBinary(std::span<const std::uint8_t> bytes, const fs::path& file, TqxProject07& project)
{
    if (bytes.size() < static_cast<std::size_t>(kProjectHeaderSize))
        return;
    const auto places = PlaceSections(bytes, file);
    ByteReader in(bytes);
    for (const ProjectField& field : ProjectFields()) {
        const ProjectSectionSlot& slot = ProjectSectionSlots()[field.Section];
        const SectionPlace& place = places[field.Section];
        const std::size_t offset = static_cast<std::size_t>(field.Offset - slot.Start);
        const std::size_t end = offset + static_cast<std::size_t>(ProjectFieldWidth(field.Member));
        // Every field lies inside its run, so the excess of a larger
        // section is skipped without further ado.
        if (end > place.Size || place.Start + end > bytes.size())
            continue;
        in.Seek(place.Start + offset);
        std::visit(FieldReader{project, in}, field.Member);
    }
}

void WriteProjectBinaryFile(const fs::path& file, const TqxProject07& project)
{
    WriteFileAtomically(file, EncodeProjectBinary(project));
}

void ReadProjectBinaryFile(const fs::path& file, TqxProject07& project)
{
    DecodeProjectBinary(ReadUsefulBytes(file), file, project);
}

} // namespace qx
