#include "common/FileIO.h"

#include "common/QuiltixError.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace qx {

namespace fs = std::filesystem;

std::string QuotedPath(const fs::path& file)
{
    return "\"" + file.string() + "\"";
}

std::vector<std::uint8_t> ReadWholeFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw QuiltixError("The file " + QuotedPath(file) + " cannot be opened for reading.");
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0)
        throw QuiltixError("The file " + QuotedPath(file) + " cannot be read.");
    in.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size))
        throw QuiltixError("The file " + QuotedPath(file) + " cannot be read.");
    return bytes;
}

namespace {

fs::path TemporarySibling(const fs::path& file)
{
    // Unique per process and call, so parallel writers in one folder never
    // share a temporary file.
    static std::atomic<unsigned> counter{0};
    fs::path tmp = file;
    tmp += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return tmp;
}

} // namespace

void WriteFileAtomically(const fs::path& file, std::span<const std::uint8_t> bytes)
{
    AtomicFileWriter writer(file);
    writer.Write(bytes);
    writer.Commit();
}

AtomicFileWriter::AtomicFileWriter(const fs::path& file) : file_(file), tmp_(TemporarySibling(file))
{
    out_ = std::fopen(tmp_.c_str(), "wb");
    if (!out_)
        throw QuiltixError("The file " + QuotedPath(file_) + " cannot be written.");
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (out_) {
        std::fclose(out_);
        std::error_code ignored;
        fs::remove(tmp_, ignored);
    }
}

void AtomicFileWriter::Write(std::span<const std::uint8_t> bytes)
{
    if (!out_)
        throw QuiltixError("The file " + QuotedPath(file_) + " is already closed.");
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), out_) != bytes.size())
        throw QuiltixError("The file " + QuotedPath(file_) + " cannot be written completely.");
}

void AtomicFileWriter::Commit()
{
    if (!out_)
        throw QuiltixError("The file " + QuotedPath(file_) + " is already closed.");
    const bool flushed = std::fflush(out_) == 0 && ::fsync(::fileno(out_)) == 0;
    const bool closed = std::fclose(out_) == 0;
    out_ = nullptr;
    std::error_code ec;
    if (!flushed || !closed) {
        fs::remove(tmp_, ec);
        throw QuiltixError("The file " + QuotedPath(file_) + " cannot be written completely.");
    }
    fs::rename(tmp_, file_, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(tmp_, ignored);
        throw QuiltixError("The file " + QuotedPath(file_) + " cannot be replaced: " + ec.message() + ".");
    }
}

void WriteFileAtomically(const fs::path& file, std::string_view text)
{
    WriteFileAtomically(file, std::span<const std::uint8_t>(
        reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace qx
