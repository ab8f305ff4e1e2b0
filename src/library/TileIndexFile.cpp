#include "library/TileIndex.h"

#include "common/ByteIO.h"
#include "common/FileIO.h"
#include "common/QuiltixError.h"

namespace qx {

namespace fs = std::filesystem;

namespace {

constexpr const char* kIndexFile = "LibInfo.cls";
constexpr const char* kRotatedFile = "LibInfo_R.cls";

void WriteFeature(ByteWriter& out, const TTileFeature& f)
{
    for (std::uint32_t w : f.Words)
        out.U32(w);
}

TTileFeature ReadFeature(ByteReader& in)
{
    TTileFeature f;
    for (std::uint32_t& w : f.Words)
        w = in.U32();
    return f;
}

// Reads the leading count and checks it against the capacity and the
// file's length before anything is allocated.
int ReadCount(ByteReader& in, const fs::path& file, int capacity, std::size_t recordBytes)
{
    if (in.Remaining() < 4)
        throw QuiltixError("The photo index file " + QuotedPath(file) + " is too short to hold its photo count.");
    const std::int32_t count = in.I32();
    if (count < 0 || count > capacity)
        throw QuiltixError("The photo index file " + QuotedPath(file) + " claims " + std::to_string(count) +
                           " photos; it can hold 0 to " + std::to_string(capacity) + ".");
    const std::size_t needed = static_cast<std::size_t>(count) * recordBytes;
    if (in.Remaining() < needed)
        throw QuiltixError("The photo index file " + QuotedPath(file) + " is truncated: " + std::to_string(count) +
                           " photos need " + std::to_string(needed + 4) + " bytes but the file has " +
                           std::to_string(in.Remaining() + 4) + ".");
    return count;
}

} // namespace

void TileIndex::SaveTileIndex(const fs::path& projectFolder) const
{
    ByteWriter plain;
    plain.I32(TileInfoCount());
    for (const TTileInfo& info : infos_) {
        plain.I32(info.Reserved0);
        plain.I32(info.Reserved1);
        plain.I32(info.UsedCount);
        WriteFeature(plain, info.Feature);
    }
    WriteFileAtomically(projectFolder / kIndexFile, plain.Data());

    ByteWriter turned;
    turned.I32(RotatedCount());
    for (const TTileInfoRotated& record : rotated_) {
        for (std::int32_t r : record.Reserved)
            turned.I32(r);
        for (const TTileFeature& f : record.Rotated)
            WriteFeature(turned, f);
    }
    WriteFileAtomically(projectFolder / kRotatedFile, turned.Data());
}

void TileIndex::LoadTileIndex(const fs::path& projectFolder)
{
    const fs::path plainFile = projectFolder / kIndexFile;
    const fs::path turnedFile = projectFolder / kRotatedFile;
    const auto plainBytes = ReadWholeFile(plainFile);
    const auto turnedBytes = ReadWholeFile(turnedFile);

    ByteReader plain(plainBytes);
    std::vector<TTileInfo> infos(static_cast<std::size_t>(ReadCount(plain, plainFile, Capacity, kTileInfoBytes)));
    for (TTileInfo& info : infos) {
        info.Reserved0 = plain.I32();
        info.Reserved1 = plain.I32();
        info.UsedCount = plain.I32();
        info.Feature = ReadFeature(plain);
    }

    ByteReader turned(turnedBytes);
    // The rotation file shares the record array of 201 with its count.
    std::vector<TTileInfoRotated> rotated(
        static_cast<std::size_t>(ReadCount(turned, turnedFile, RotatedCapacity + 1, kTileInfoRotatedBytes)));
    for (TTileInfoRotated& record : rotated) {
        for (std::int32_t& r : record.Reserved)
            r = turned.I32();
        for (TTileFeature& f : record.Rotated)
            f = ReadFeature(turned);
    }
    // Both files are checked before either replaces the index.
    infos_ = std::move(infos);
    rotated_ = std::move(rotated);
}

} // namespace qx
