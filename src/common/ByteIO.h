#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace qx {

// Little-endian writer for the binary record files.
class ByteWriter {
public:
    void U8(std::uint8_t v) { bytes_.push_back(v); }
    void Bool(bool v) { U8(v ? 1 : 0); }
    void U16(std::uint16_t v) { Le(v, 2); }
    void I32(std::int32_t v) { Le(static_cast<std::uint32_t>(v), 4); }
    void U32(std::uint32_t v) { Le(v, 4); }
    void F64(double v)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        Le(bits, 8);
    }
    void Zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }
    void Bytes(std::span<const std::uint8_t> b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
    std::size_t Size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& Data() const { return bytes_; }
    std::vector<std::uint8_t>& Data() { return bytes_; }

private:
    void Le(std::uint64_t v, int n)
    {
        for (int i = 0; i < n; ++i)
            bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::vector<std::uint8_t> bytes_;
};

// Little-endian reader over a byte span. Every read is bounds-checked by the
// caller through Remaining(); reading past the end returns zeros and sets
// Overrun(), so a loader can check once and report the file as short.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return pos_ < bytes_.size() ? bytes_.size() - pos_ : 0; }
    bool Overrun() const { return overrun_; }
    void Skip(std::size_t n) { Advance(n); }
    void Seek(std::size_t pos) { pos_ = pos; }

    std::uint8_t U8() { return static_cast<std::uint8_t>(Le(1)); }
    bool Bool() { return U8() != 0; }
    std::uint16_t U16() { return static_cast<std::uint16_t>(Le(2)); }
    std::int32_t I32() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(Le(4))); }
    std::uint32_t U32() { return static_cast<std::uint32_t>(Le(4)); }
    double F64()
    {
        const std::uint64_t bits = Le(8);
        double v;
        std::memcpy(&v, &bits, 8);
        return v;
    }
    std::span<const std::uint8_t> Bytes(std::size_t n)
    {
        if (Remaining() < n) {
            overrun_ = true;
            pos_ = bytes_.size();
            return {};
        }
        auto s = bytes_.subspan(pos_, n);
        pos_ += n;
        return s;
    }

private:
    std::uint64_t Le(int n)
    {
        if (Remaining() < static_cast<std::size_t>(n)) {
            overrun_ = true;
            pos_ = bytes_.size();
            return 0;
        }
        std::uint64_t v = 0;
        for (int i = 0; i < n; ++i)
            v |= static_cast<std::uint64_t>(bytes_[pos_ + i]) << (8 * i);
        pos_ += n;
        return v;
    }
    void Advance(std::size_t n)
    {
        if (Remaining() < n) {
            overrun_ = true;
            pos_ = bytes_.size();
        } else {
            pos_ += n;
        }
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    bool overrun_ = false;
};

} // namespace qx
