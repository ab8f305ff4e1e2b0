#include "imaging/Halftone.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace qx {

// 32-bit pixels are handled as bytes B, G, R, A, like 24-bit ones as B, G, R.
static_assert(std::endian::native == std::endian::little);

namespace {

// A bitmap's pixel bytes: the colour channels of a pixel are its bytes 0..2.
template <typename Byte>
struct Plane {
    Byte* Data;
    std::size_t RowBytes;
    int Width;
    int Height;
};

// Coverage of one axis. Measured in units where a source pixel is D long and
// a destination pixel S long, destination pixel d spans [d*S, (d+1)*S) and
// source pixel s spans [s*D, (s+1)*D); the weight of s in d is their overlap,
// an integer, and the weights of every d add up to S.
struct CoverageTable {
    std::vector<int> First;          // first source pixel of each destination pixel
    std::vector<int> Count;          // number of source pixels it covers
    std::vector<std::size_t> Offset; // start of its weights in Weights
    std::vector<std::uint32_t> Weights;

    CoverageTable(int sourceLength, int destLength)
    {
        const std::int64_t s = sourceLength;
        const std::int64_t d = destLength;
        First.reserve(static_cast<std::size_t>(d));
        Count.reserve(static_cast<std::size_t>(d));
        Offset.reserve(static_cast<std::size_t>(d));
        // Each destination pixel after the first shares at most one source
        // pixel with its left neighbour.
        Weights.reserve(static_cast<std::size_t>(s + d));
        for (std::int64_t i = 0; i < d; ++i) {
            const std::int64_t lo = i * s;
            const std::int64_t hi = lo + s;
            const std::int64_t first = lo / d;
            const std::int64_t last = (hi - 1) / d;
            First.push_back(static_cast<int>(first));
            Count.push_back(static_cast<int>(last - first + 1));
            Offset.push_back(Weights.size());
            for (std::int64_t k = first; k <= last; ++k)
                Weights.push_back(static_cast<std::uint32_t>(std::min(hi, (k + 1) * d) - std::max(lo, k * d)));
        }
    }
};

// Weighted sums of one source row for every destination column, three
// channels per column; a sum is at most 255 * source width.
template <int SourceBytes>
void SumRow(const std::uint8_t* row, const CoverageTable& cx, std::vector<std::uint32_t>& sums)
{
    const std::size_t columns = cx.First.size();
    for (std::size_t x = 0; x < columns; ++x) {
        const std::uint8_t* p = row + static_cast<std::size_t>(cx.First[x]) * SourceBytes;
        const std::uint32_t* w = cx.Weights.data() + cx.Offset[x];
        std::uint32_t b = 0, g = 0, r = 0;
        for (int k = 0; k < cx.Count[x]; ++k, p += SourceBytes) {
            b += w[k] * p[0];
            g += w[k] * p[1];
            r += w[k] * p[2];
        }
        sums[3 * x] = b;
        sums[3 * x + 1] = g;
        sums[3 * x + 2] = r;
    }
}

// Rounded means (acc + total / 2) / total of the destination channels, each
// at most 255. A division per channel dominates small resamplings, so for
// totals up to 2^23, where every numerator n stays below 2^31, the quotient
// is taken as (n * m) >> k with k = 31 + ceil(log2 total) and m = ceil(2^k /
// total): m * total exceeds 2^k by less than 2^(k - 31), which keeps the
// quotient exact for every n below 2^31, and m stays below 2^32, so the
// product fits in 64 bits. Larger totals divide.
class RoundedMean {
public:
    explicit RoundedMean(std::uint64_t total)
        : total_(total), half_(total / 2), multiplies_(total <= kMultiplyLimit)
    {
        if (multiplies_) {
            shift_ = 31 + static_cast<int>(std::bit_width(total - 1));
            multiplier_ = ((std::uint64_t{1} << shift_) + total - 1) / total;
        }
    }

    // Writes the means of acc (three channels per pixel) into a row of
    // DestBytes-byte pixels.
    template <int DestBytes>
    void WriteRow(const std::vector<std::uint64_t>& acc, std::uint8_t* row) const
    {
        if (multiplies_)
            Store<DestBytes>(acc, row, [this](std::uint64_t a) {
                const auto n = static_cast<std::uint32_t>(a + half_);
                return static_cast<std::uint8_t>((std::uint64_t{n} * multiplier_) >> shift_);
            });
        else
            Store<DestBytes>(acc, row,
                             [this](std::uint64_t a) { return static_cast<std::uint8_t>((a + half_) / total_); });
    }

private:
    static constexpr std::uint64_t kMultiplyLimit = std::uint64_t{1} << 23;

    template <int DestBytes, typename Rule>
    static void Store(const std::vector<std::uint64_t>& acc, std::uint8_t* row, Rule rule)
    {
        if constexpr (DestBytes == 3) {
            // Packed rows hold the channels in the order of the sums.
            for (std::size_t i = 0; i < acc.size(); ++i)
                row[i] = rule(acc[i]);
        } else {
            for (std::size_t i = 0; i < acc.size(); ++i)
                row[i / 3 * DestBytes + i % 3] = rule(acc[i]);
        }
    }

    std::uint64_t total_;
    std::uint64_t half_;
    bool multiplies_;
    int shift_ = 0;
    std::uint64_t multiplier_ = 0;
};

// Separable: each destination row gathers the horizontal sums of the source
// rows it covers. Consecutive destination rows share at most the boundary
// source row, so caching the last summed row means every source row is
// summed once.
template <int SourceBytes, int DestBytes>
void Resample(Plane<const std::uint8_t> source, Plane<std::uint8_t> dest)
{
    if (source.Width == 0 || source.Height == 0 || dest.Width == 0 || dest.Height == 0)
        return;
    const CoverageTable cx(source.Width, dest.Width);
    const CoverageTable cy(source.Height, dest.Height);
    const RoundedMean mean(static_cast<std::uint64_t>(source.Width) * static_cast<std::uint64_t>(source.Height));
    std::vector<std::uint32_t> sums(3 * static_cast<std::size_t>(dest.Width));
    std::vector<std::uint64_t> acc(sums.size());
    int summedRow = -1;
    for (int y = 0; y < dest.Height; ++y) {
        std::fill(acc.begin(), acc.end(), 0);
        const std::uint32_t* w = cy.Weights.data() + cy.Offset[y];
        for (int k = 0; k < cy.Count[y]; ++k) {
            const int sy = cy.First[y] + k;
            if (sy != summedRow) {
                SumRow<SourceBytes>(source.Data + static_cast<std::size_t>(sy) * source.RowBytes, cx, sums);
                summedRow = sy;
            }
            for (std::size_t i = 0; i < sums.size(); ++i)
                acc[i] += static_cast<std::uint64_t>(w[k]) * sums[i];
        }
        mean.WriteRow<DestBytes>(acc, dest.Data + static_cast<std::size_t>(y) * dest.RowBytes);
    }
}

Plane<const std::uint8_t> PlaneOf(const TBitmap32& b)
{
    return {reinterpret_cast<const std::uint8_t*>(b.Bits()), 4 * static_cast<std::size_t>(b.Width()), b.Width(),
            b.Height()};
}
Plane<std::uint8_t> PlaneOf(TBitmap32& b)
{
    return {reinterpret_cast<std::uint8_t*>(b.Bits()), 4 * static_cast<std::size_t>(b.Width()), b.Width(), b.Height()};
}
Plane<const std::uint8_t> PlaneOf(const TBitmap24& b)
{
    return {b.Empty() ? nullptr : b.ScanLine(0), b.RowBytes(), b.Width(), b.Height()};
}
Plane<std::uint8_t> PlaneOf(TBitmap24& b)
{
    return {b.Empty() ? nullptr : b.ScanLine(0), b.RowBytes(), b.Width(), b.Height()};
}

} // namespace

void HalftoneResample(const TBitmap32& source, TBitmap24& dest)
{
    Resample<4, 3>(PlaneOf(source), PlaneOf(dest));
}

void HalftoneResample(const TBitmap24& source, TBitmap24& dest)
{
    Resample<3, 3>(PlaneOf(source), PlaneOf(dest));
}

void HalftoneResample(const TBitmap32& source, TBitmap32& dest)
{
    Resample<4, 4>(PlaneOf(source), PlaneOf(dest));
}

} // namespace qx
