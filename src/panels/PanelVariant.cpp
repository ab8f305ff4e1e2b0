#include "panels/PanelVariant.h"

#include <array>

namespace qx {

namespace {

constexpr std::array<TPanelVariant, 3> kVariants{{
    {TPanelKind::Beginner, "Custom (40\" Max)", "Custom Size (up to 40\" x 40\" )", "16", "24", 12, 8, false, false},
    {TPanelKind::Advanced, "Custom (68\" Max)", "Custom Size (up to 40\" x 40\" )", "16", "24", 13, 6, true, true},
    {TPanelKind::Tile, "Custom size: Max 100\"  (250 cm)", "Custom Size (up to 80\" x 80\" )", "20", "20", 21, 8, false,
     false},
}};

} // namespace

const TPanelVariant& PanelVariantOf(TPanelKind kind)
{
    return kVariants[static_cast<std::size_t>(kind)];
}

} // namespace qx
