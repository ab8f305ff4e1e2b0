#include "imaging/BmpBitField.h"

#include <bit>

namespace qx {

TBmpBitField::TBmpBitField(std::uint32_t mask, std::uint8_t fallback)
    : mask_(mask), fallback_(fallback)
{
    if (mask == 0)
        return;
    shift_ = std::countr_zero(mask);
    max_ = mask >> shift_;
}

bool TBmpBitField::IsContiguous(std::uint32_t mask)
{
    if (mask == 0)
        return true;
    const std::uint32_t run = mask >> std::countr_zero(mask);
    return (run & (run + 1)) == 0;
}

} // namespace qx
