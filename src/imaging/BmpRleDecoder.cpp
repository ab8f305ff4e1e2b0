#include "imaging/BmpRleDecoder.h"

#include "imaging/BmpError.h"
#include "imaging/BmpFormat.h"

#include <string>

namespace qx {

namespace {

// Walks the picture in file order: from the bottom row up, left to right.
class TRleCursor {
public:
    TRleCursor(const TBmpHeader& header, const std::filesystem::path& file, TBitmap32& out)
        : header_(header), file_(file), out_(out)
    {
    }

    void Put(unsigned index)
    {
        if (x_ >= header_.Width || y_ >= header_.Height)
            throw Overrun();
        out_.ScanLine(header_.Height - 1 - y_)[x_++] = header_.Palette[index];
    }
    void EndOfLine() { MoveTo(0, y_ + 1); }
    void Delta(int dx, int dy) { MoveTo(x_ + dx, y_ + dy); }

private:
    // Moving to just past the right edge or the last row is allowed (an
    // end-of-line after the last row is common); only a write there fails.
    void MoveTo(int x, int y)
    {
        if (x > header_.Width || y > header_.Height)
            throw Overrun();
        x_ = x;
        y_ = y;
    }
    QuiltixError Overrun() const
    {
        return BmpError(file_, "has RLE pixel data that runs outside its " + std::to_string(header_.Width) + " x " +
                                   std::to_string(header_.Height) + " picture");
    }

    const TBmpHeader& header_;
    const std::filesystem::path& file_;
    TBitmap32& out_;
    int x_ = 0;
    int y_ = 0;
};

// RLE4 packs two pixels a byte, the high nibble first.
unsigned PixelOfRun(std::uint8_t value, int i, bool fourBit)
{
    if (!fourBit)
        return value;
    return i % 2 == 0 ? value >> 4 : value & 0x0F;
}

} // namespace

void DecodeBmpRle(const TBmpHeader& header, std::span<const std::uint8_t> bytes, const std::filesystem::path& file,
                  TBitmap32& out)
{
    out.Clear(header.Palette[0]);
    const bool fourBit = header.Compression == kBmpRle4;
    const std::span<const std::uint8_t> data = bytes.subspan(header.PixelOffset);
    const auto truncated = [&] {
        return BmpError(file, "is truncated: its RLE pixel data ends before the end-of-bitmap code");
    };
    TRleCursor cursor(header, file, out);
    std::size_t pos = 0;
    for (;;) {
        if (data.size() - pos < 2)
            throw truncated();
        const std::uint8_t count = data[pos];
        const std::uint8_t value = data[pos + 1];
        pos += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                cursor.Put(PixelOfRun(value, i, fourBit));
        } else if (value == 0) {
            cursor.EndOfLine();
        } else if (value == 1) {
            return;
        } else if (value == 2) {
            if (data.size() - pos < 2)
                throw truncated();
            cursor.Delta(data[pos], data[pos + 1]);
            pos += 2;
        } else {
            // An absolute run of `value` pixels, padded to a 16-bit boundary.
            const std::size_t stored = fourBit ? (value + 1) / 2 : value;
            if (data.size() - pos < stored + stored % 2)
                throw truncated();
            for (int i = 0; i < value; ++i)
                cursor.Put(PixelOfRun(data[pos + (fourBit ? i / 2 : i)], i, fourBit));
            pos += stored + stored % 2;
        }
    }
}

} // namespace qx
