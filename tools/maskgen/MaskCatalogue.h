#pragma once

#include "MaskShape.h"

#include <string>
#include <vector>

namespace qx::maskgen {

// One layer of a shipped pattern: its shape and its grid in cell sizes.
struct LayerDef {
    Shape Mask;
    double HorzFactor;
    double VertFactor;
    double HorzOffset;
    double VertOffset;
};

struct PatternDef {
    std::string Name;
    // Cell width : height at which the shapes become regular polygons.
    double Aspect;
    // Cell width used to draw the overview picture.
    int OverviewCellWidth;
    std::vector<LayerDef> Layers;
};

struct MaskDef {
    std::string Name;
    Shape Outline;
    double Aspect;
    std::vector<PatternDef> Patterns;
};

// The masks and patterns shipped with the program, in library order.
const std::vector<MaskDef>& ShippedMasks();

// The names written to the definitions: the pattern's name, followed by
// its regular aspect ratio when that is not square.
std::string DisplayName(const PatternDef& pattern);
std::string MaskOverviewFile(const MaskDef& mask);
std::string PatternOverviewFile(const MaskDef& mask, int patternNumber);

} // namespace qx::maskgen
