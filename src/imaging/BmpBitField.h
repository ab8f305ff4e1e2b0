#pragma once

#include <cstdint>

namespace qx {

// One channel of a bit-field pixel: a contiguous run of bits, scaled to
// 0..255. An empty mask yields Fallback (0 for colours, 255 for alpha).
class TBmpBitField {
public:
    TBmpBitField() = default;
    // The mask must be zero or one contiguous run of bits (see IsContiguous).
    TBmpBitField(std::uint32_t mask, std::uint8_t fallback);

    static bool IsContiguous(std::uint32_t mask);

    std::uint8_t Extract(std::uint32_t pixel) const
    {
        if (max_ == 0)
            return fallback_;
        const std::uint64_t v = (pixel & mask_) >> shift_;
        return static_cast<std::uint8_t>((v * 255 + max_ / 2) / max_);
    }

private:
    std::uint32_t mask_ = 0;
    int shift_ = 0;
    std::uint64_t max_ = 0;
    std::uint8_t fallback_ = 0;
};

} // namespace qx
