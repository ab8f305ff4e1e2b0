#include "imaging/TBlockColor.h"

#include <limits>

namespace qx {

// Stored features depend on the exact rounding of these sums, so the rule
// needs the 64-bit mantissa of the x87 extended type; a wider or narrower
// long double would shift some luminance values by one.
static_assert(std::numeric_limits<long double>::digits == 64,
              "luminance needs 80-bit extended precision");

unsigned Luminance(unsigned r, unsigned g, unsigned b)
{
    // x87 arithmetic has no fused multiply-add and, without -ffast-math, is
    // not reassociated: every product and sum is rounded in this order.
    const long double red = static_cast<long double>(r) * 0.299L;
    const long double green = static_cast<long double>(g) * 0.587L;
    const long double blue = static_cast<long double>(b) * 0.114L;
    return static_cast<unsigned>((red + green) + blue);
}

TBlockColor BlockColorOf(unsigned r, unsigned g, unsigned b)
{
    return MakeBlockColor(Luminance(r, g, b), r, g, b);
}

} // namespace qx
