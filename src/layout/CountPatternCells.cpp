#include "layout/CountPatternCells.h"

namespace qx {

namespace {

// Whole steps of cellSide x factor that fit into mosaicSide. The step is
// compared before it becomes an int: a huge factor must give 0, not
// overflow, and a negative one must not turn two negative counts into a
// positive product.
std::int64_t StepsThatFit(int mosaicSide, int cellSide, double factor)
{
    const double step = static_cast<double>(cellSide) * factor;
    if (!(step >= 1.0) || mosaicSide < 1 || step > mosaicSide) {
        return 0;
    }
    return mosaicSide / static_cast<int>(step);
}

} // namespace

std::int64_t CountPatternCells(const TQXPattern& pattern, int mosaicWidth, int mosaicHeight, int cellWidth,
                               int cellHeight)
{
    std::int64_t count = 0;
    for (const TLayerPattern& layer : pattern.LayerRecords) {
        if (layer.Enabled) {
            count += StepsThatFit(mosaicWidth, cellWidth, layer.HorzFactor) *
                     StepsThatFit(mosaicHeight, cellHeight, layer.VertFactor);
        }
    }
    return count;
}

} // namespace qx
