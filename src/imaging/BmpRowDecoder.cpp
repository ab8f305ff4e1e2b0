#include "imaging/BmpRowDecoder.h"

#include "imaging/BmpFormat.h"

#include <algorithm>

namespace qx {

namespace {

using TRowDecoder = void (*)(const std::uint8_t* row, const TBmpHeader& header, TColor32* out);

template <unsigned Bits>
void DecodeIndexedRow(const std::uint8_t* row, const TBmpHeader& header, TColor32* out)
{
    constexpr unsigned perByte = 8 / Bits;
    constexpr unsigned mask = (1u << Bits) - 1;
    for (int x = 0; x < header.Width; ++x) {
        // The leftmost pixel sits in the most significant bits of its byte.
        const unsigned shift = (perByte - 1 - x % perByte) * Bits;
        out[x] = header.Palette[(row[x / perByte] >> shift) & mask];
    }
}

template <unsigned Bytes>
void DecodeMaskedRow(const std::uint8_t* row, const TBmpHeader& header, TColor32* out)
{
    for (int x = 0; x < header.Width; ++x, row += Bytes) {
        std::uint32_t v = 0;
        for (unsigned i = 0; i < Bytes; ++i)
            v |= static_cast<std::uint32_t>(row[i]) << (8 * i);
        out[x] = Color32(header.Red.Extract(v), header.Green.Extract(v), header.Blue.Extract(v),
                         header.Alpha.Extract(v));
    }
}

void DecodeBgrRow(const std::uint8_t* row, const TBmpHeader& header, TColor32* out)
{
    for (int x = 0; x < header.Width; ++x, row += 3)
        out[x] = Color32(row[2], row[1], row[0]);
}

// The writer stores alpha in the fourth byte, so it is read back as stored.
void DecodeBgraRow(const std::uint8_t* row, const TBmpHeader& header, TColor32* out)
{
    for (int x = 0; x < header.Width; ++x, row += 4)
        out[x] = Color32(row[2], row[1], row[0], row[3]);
}

struct TRowFormat {
    unsigned BitCount;
    bool Masked;
    TRowDecoder Decode;
};

constexpr TRowFormat kRowFormats[] = {
    {1, false, DecodeIndexedRow<1>}, {4, false, DecodeIndexedRow<4>}, {8, false, DecodeIndexedRow<8>},
    {16, true, DecodeMaskedRow<2>},  {24, false, DecodeBgrRow},       {32, false, DecodeBgraRow},
    {32, true, DecodeMaskedRow<4>},
};

TRowDecoder FindRowDecoder(const TBmpHeader& header)
{
    const auto* row = std::ranges::find_if(kRowFormats, [&](const TRowFormat& f) {
        return f.BitCount == header.BitCount && f.Masked == header.Masked();
    });
    return row->Decode;
}

} // namespace

void DecodeBmpRows(const TBmpHeader& header, std::span<const std::uint8_t> bytes, TBitmap32& out)
{
    const TRowDecoder decode = FindRowDecoder(header);
    const auto stride = static_cast<std::size_t>(BmpRowStride(header.Width, header.BitCount));
    const std::uint8_t* data = bytes.data() + header.PixelOffset;
    for (int i = 0; i < header.Height; ++i) {
        const int y = header.TopDown ? i : header.Height - 1 - i;
        decode(data + stride * i, header, out.ScanLine(y));
    }
}

} // namespace qx
