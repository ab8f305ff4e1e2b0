#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

// Reads the whole file. Throws QuiltixError naming the file when it cannot
// be opened or read.
std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& file);

// Replaces the file atomically: the bytes go to a temporary file in the same
// folder, which is then renamed over the target. A failure leaves the old
// file untouched and throws QuiltixError naming the file.
void WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
void WriteFileAtomically(const std::filesystem::path& file, std::string_view text);

// Quoted path for messages: "the file \"...\"".
std::string QuotedPath(const std::filesystem::path& file);

} // namespace qx

namespace qx {

// Streams a large file to a temporary sibling and renames it over the target
// on Commit(). Destroyed without Commit() (an error on the way), it removes
// the temporary file and the old target stays as it was.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const std::filesystem::path& file);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void Write(std::span<const std::uint8_t> bytes);
    void Commit();

private:
    std::filesystem::path file_;
    std::filesystem::path tmp_;
    std::FILE* out_ = nullptr;
};

} // namespace qx
