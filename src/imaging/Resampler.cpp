#include "imaging/Resampler.h"

#include "common/QuiltixError.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace qx {
namespace {

struct TKernel {
    double Radius;               // in source pixels at scale 1
    double (*Weight)(double x);  // null: pick the nearest pixel, no weights
};

double BoxWeight(double x)
{
    return std::abs(x) <= 0.5 ? 1.0 : 0.0;
}

double LinearWeight(double x)
{
    x = std::abs(x);
    return x < 1.0 ? 1.0 - x : 0.0;
}

double CosineWeight(double x)
{
    return std::abs(x) < 1.0 ? (std::cos(std::numbers::pi * x) + 1.0) / 2.0 : 0.0;
}

// Cubic B-spline: smooth, never negative, so it cannot ring.
double SplineWeight(double x)
{
    x = std::abs(x);
    if (x < 1.0)
        return 2.0 / 3.0 - x * x + x * x * x / 2.0;
    if (x < 2.0) {
        const double t = 2.0 - x;
        return t * t * t / 6.0;
    }
    return 0.0;
}

double Sinc(double x)
{
    if (x == 0.0)
        return 1.0;
    const double px = std::numbers::pi * x;
    return std::sin(px) / px;
}

double LanczosWeight(double x)
{
    return std::abs(x) < 3.0 ? Sinc(x) * Sinc(x / 3.0) : 0.0;
}

// Mitchell-Netravali cubic with B = C = 1/3.
double MitchellWeight(double x)
{
    x = std::abs(x);
    if (x < 1.0)
        return (7.0 * x * x * x - 12.0 * x * x + 16.0 / 3.0) / 6.0;
    if (x < 2.0)
        return (-7.0 / 3.0 * x * x * x + 12.0 * x * x - 20.0 * x + 32.0 / 3.0) / 6.0;
    return 0.0;
}

// Indexed by TResampler, in the order of the project's StretchFilter byte.
constexpr std::array<TKernel, 7> kKernels{{
    {0.0, nullptr},         // nearest
    {0.5, BoxWeight},       // draft: an area average when reducing
    {1.0, LinearWeight},
    {1.0, CosineWeight},
    {2.0, SplineWeight},
    {3.0, LanczosWeight},
    {2.0, MitchellWeight},
}};

const TKernel& KernelOf(TResampler filter)
{
    const auto index = static_cast<std::size_t>(filter);
    if (index >= kKernels.size())
        throw QuiltixError("Resampling filter " + std::to_string(index) + " is not one of the filters 0 to 6.");
    return kKernels[index];
}

// Weights are fixed point with kWeightBits fraction bits, and the weights of
// every run sum to exactly 1 << kWeightBits, so a constant picture stays
// exactly constant. Horizontally filtered values keep kInterBits fraction
// bits: normalised runs of these kernels have |weights| summing well below
// 2, so even ringing values fit in 16 bits and the vertical sums in 32.
constexpr int kWeightBits = 14;
constexpr int kInterBits = 6;
constexpr int kOne = 1 << kWeightBits;
// Horizontal runs are padded with zero weights to whole blocks of kLanes,
// so their dot products need no scalar tail; the planes they read carry
// kLanes spare values per row for the padding to land on.
constexpr int kLanes = 8;

// For each destination pixel of one axis, the run of source pixels it draws
// from and their weights.
struct TAxisWeights {
    std::vector<int> First;
    std::vector<int> Count;
    std::vector<std::size_t> Offset;  // start of each run in Weights
    std::vector<std::int16_t> Weights;
    int MaxCount = 0;
};

void AddRun(TAxisWeights& axis, int first, const std::vector<double>& run, double total, int block)
{
    std::size_t begin = 0;
    std::size_t end = run.size();
    while (begin + 1 < end && run[begin] == 0.0)
        ++begin;
    while (end - 1 > begin && run[end - 1] == 0.0)
        --end;
    const std::size_t offset = axis.Weights.size();
    std::size_t largest = offset;
    int sum = 0;
    for (std::size_t k = begin; k < end; ++k) {
        const auto w = static_cast<std::int16_t>(std::lround(run[k] / total * kOne));
        axis.Weights.push_back(w);
        sum += w;
        if (w > axis.Weights[largest])
            largest = axis.Weights.size() - 1;
    }
    // The rounding residue goes where it changes the shape least.
    axis.Weights[largest] = static_cast<std::int16_t>(axis.Weights[largest] + kOne - sum);
    const int count = (static_cast<int>(end - begin) + block - 1) / block * block;
    axis.Weights.resize(offset + static_cast<std::size_t>(count), 0);
    axis.First.push_back(first + static_cast<int>(begin));
    axis.Count.push_back(count);
    axis.Offset.push_back(offset);
    axis.MaxCount = std::max(axis.MaxCount, count);
}

// Each run's count is rounded up to a multiple of block with zero weights.
TAxisWeights BuildAxisWeights(const TKernel& kernel, int srcLen, int dstLen, int dstBegin, int dstEnd, int block)
{
    TAxisWeights axis;
    const double scale = static_cast<double>(dstLen) / srcLen;
    // Reducing, the kernel must reach over all the source pixels one
    // destination pixel covers, or pixels between the samples are skipped.
    const double widen = scale < 1.0 ? 1.0 / scale : 1.0;
    const double support = kernel.Radius * widen;
    std::vector<double> run;
    for (int i = dstBegin; i < dstEnd; ++i) {
        if (srcLen == dstLen) {
            run.assign(1, 1.0);
            AddRun(axis, std::clamp(i, 0, srcLen - 1), run, 1.0, block);
            continue;
        }
        const double centre = (i + 0.5) / scale - 0.5;
        const int lo = static_cast<int>(std::floor(centre - support));
        const int hi = static_cast<int>(std::ceil(centre + support));
        const int first = std::clamp(lo, 0, srcLen - 1);
        run.assign(static_cast<std::size_t>(std::clamp(hi, 0, srcLen - 1) - first + 1), 0.0);
        double total = 0.0;
        for (int j = lo; j <= hi; ++j) {
            const double w = kernel.Weight((j - centre) / widen);
            // Edge pixels stand in for the ones beyond the border.
            run[static_cast<std::size_t>(std::clamp(j, 0, srcLen - 1) - first)] += w;
            total += w;
        }
        AddRun(axis, first, run, total, block);
    }
    return axis;
}

// Rows are kept as four planes (blue, green, red, alpha) of planeStride
// values each, so every filter sum is a plain dot product the compiler
// vectorises.
void UnpackRow(const TColor32* row, int width, int planeStride, std::int16_t* planes)
{
    for (int x = 0; x < width; ++x) {
        const TColor32 p = row[x];
        for (int c = 0; c < 4; ++c)
            planes[c * planeStride + x] = static_cast<std::int16_t>((p >> (8 * c)) & 0xFF);
    }
}

void PackRow(const std::int32_t* planes, int width, TColor32* out)
{
    constexpr int shift = kWeightBits + kInterBits;
    for (int x = 0; x < width; ++x) {
        TColor32 p = 0;
        for (int c = 0; c < 4; ++c) {
            const int v = (planes[c * width + x] + (1 << (shift - 1))) >> shift;
            p |= static_cast<TColor32>(std::clamp(v, 0, 255)) << (8 * c);
        }
        out[x] = p;
    }
}

void FilterRowHorizontally(const std::int16_t* planes, int planeStride, const TAxisWeights& xw, std::int16_t* out)
{
    constexpr int shift = kWeightBits - kInterBits;
    const int width = static_cast<int>(xw.First.size());
    for (int c = 0; c < 4; ++c) {
        const std::int16_t* plane = planes + c * planeStride;
        for (int x = 0; x < width; ++x) {
            const std::int16_t* w = xw.Weights.data() + xw.Offset[x];
            const std::int16_t* p = plane + xw.First[x];
            std::int32_t sum = 0;
            for (int k = 0; k < xw.Count[x]; ++k)
                sum += w[k] * p[k];
            out[c * width + x] = static_cast<std::int16_t>((sum + (1 << (shift - 1))) >> shift);
        }
    }
}

// Horizontally filtered source rows, computed on demand. Runs of the
// vertical axis move down monotonically, so a ring as deep as the longest
// run computes every source row once.
class TFilteredRows {
public:
    TFilteredRows(const TBitmap32& source, const TAxisWeights& xw, int depth)
        : source_(source), xw_(xw), stride_(xw.First.size() * 4), planeStride_(source.Width() + kLanes),
          unpacked_(static_cast<std::size_t>(planeStride_) * 4),
          rows_(stride_ * depth), slotRow_(static_cast<std::size_t>(depth), -1)
    {
    }

    const std::int16_t* Row(int sy)
    {
        const std::size_t slot = static_cast<std::size_t>(sy) % slotRow_.size();
        std::int16_t* row = rows_.data() + slot * stride_;
        if (slotRow_[slot] != sy) {
            UnpackRow(source_.ScanLine(sy), source_.Width(), planeStride_, unpacked_.data());
            FilterRowHorizontally(unpacked_.data(), planeStride_, xw_, row);
            slotRow_[slot] = sy;
        }
        return row;
    }

private:
    const TBitmap32& source_;
    const TAxisWeights& xw_;
    std::size_t stride_;
    int planeStride_;
    std::vector<std::int16_t> unpacked_;
    std::vector<std::int16_t> rows_;
    std::vector<int> slotRow_;
};

void ResampleFiltered(const TBitmap32& source, const TKernel& kernel, int dstWidth, int dstHeight,
                      const TRect& region, const TRowSink& sink)
{
    const TAxisWeights xw = BuildAxisWeights(kernel, source.Width(), dstWidth, region.Left, region.Right, kLanes);
    const TAxisWeights yw = BuildAxisWeights(kernel, source.Height(), dstHeight, region.Top, region.Bottom, 1);
    TFilteredRows rows(source, xw, yw.MaxCount);
    const std::size_t stride = static_cast<std::size_t>(region.Width()) * 4;
    std::vector<std::int32_t> sum(stride);
    std::vector<TColor32> packed(static_cast<std::size_t>(region.Width()));
    for (int y = 0; y < region.Height(); ++y) {
        std::fill(sum.begin(), sum.end(), 0);
        for (int k = 0; k < yw.Count[y]; ++k) {
            const std::int16_t* row = rows.Row(yw.First[y] + k);
            const std::int16_t w = yw.Weights[yw.Offset[y] + k];
            for (std::size_t n = 0; n < stride; ++n)
                sum[n] += w * row[n];
        }
        PackRow(sum.data(), region.Width(), packed.data());
        sink(y, packed.data());
    }
}

// Destination pixel i shows source pixel floor((i + 0.5) * srcLen / dstLen).
std::vector<int> NearestMap(int srcLen, int dstLen, int dstBegin, int dstEnd)
{
    std::vector<int> map;
    map.reserve(static_cast<std::size_t>(dstEnd - dstBegin));
    for (int i = dstBegin; i < dstEnd; ++i) {
        const std::int64_t s = (2 * static_cast<std::int64_t>(i) + 1) * srcLen / (2 * static_cast<std::int64_t>(dstLen));
        map.push_back(static_cast<int>(std::clamp<std::int64_t>(s, 0, srcLen - 1)));
    }
    return map;
}

void ResampleNearest(const TBitmap32& source, int dstWidth, int dstHeight, const TRect& region,
                     const TRowSink& sink)
{
    const std::vector<int> columns = NearestMap(source.Width(), dstWidth, region.Left, region.Right);
    const std::vector<int> rows = NearestMap(source.Height(), dstHeight, region.Top, region.Bottom);
    std::vector<TColor32> picked(columns.size());
    for (std::size_t y = 0; y < rows.size(); ++y) {
        const TColor32* src = source.ScanLine(rows[y]);
        for (std::size_t x = 0; x < columns.size(); ++x)
            picked[x] = src[columns[x]];
        sink(static_cast<int>(y), picked.data());
    }
}

} // namespace

void ResampleRegion(const TBitmap32& source, TResampler filter, int dstWidth, int dstHeight,
                    const TRect& region, const TRowSink& sink)
{
    const TKernel& kernel = KernelOf(filter);
    if (source.Empty() || dstWidth <= 0 || dstHeight <= 0 || region.Width() <= 0 || region.Height() <= 0)
        return;
    if (kernel.Weight == nullptr)
        ResampleNearest(source, dstWidth, dstHeight, region, sink);
    else
        ResampleFiltered(source, kernel, dstWidth, dstHeight, region, sink);
}

} // namespace qx
