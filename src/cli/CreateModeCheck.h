#pragma once

#include "panels/PanelVariant.h"

#include <span>
#include <string_view>

namespace qx::cli {

struct TCreateOptions;

// The three modes in TPanelKind order, as --mode names them.
std::span<const TPanelKind> CreateModes();
std::string_view ModeName(TPanelKind mode);

// Throws QuiltixError for the first option given that the chosen mode's
// panel does not offer, naming the option, the mode and the modes that do:
// "The option --pages is not offered in beginner mode; use --mode advanced."
void CheckOptionsOffered(const TCreateOptions& options);

} // namespace qx::cli
