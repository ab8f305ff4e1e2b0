#pragma once

#include <cstdint>
#include <random>

namespace qx {

// The program's one random generator. Random(n) is uniform in 0 .. n - 1,
// and 0 when n is 0 or 1. The sequence depends only on the seed, so a
// render with a fixed seed can be reproduced.
class TRandom {
public:
    explicit TRandom(std::uint64_t seed) : engine_(static_cast<std::uint32_t>(seed ^ (seed >> 32))) {}
    // Seeded from the clock.
    TRandom() : TRandom(ClockSeed()) {}

    static std::uint64_t ClockSeed();

    int Random(int n)
    {
        if (n <= 1)
            return 0;
        return static_cast<int>((static_cast<std::uint64_t>(engine_()) * static_cast<std::uint32_t>(n)) >> 32);
    }
    void Reseed(std::uint64_t seed) { engine_.seed(static_cast<std::uint32_t>(seed ^ (seed >> 32))); }

private:
    std::mt19937 engine_;
};

} // namespace qx
