#include "common/TRandom.h"

#include <chrono>

namespace qx {

std::uint64_t TRandom::ClockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace qx
