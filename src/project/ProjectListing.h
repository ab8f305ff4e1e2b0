#pragma once

#include "project/TqxProject07.h"

#include <string>
#include <vector>

namespace qx {

struct ProjectListingLine {
    std::string Name;
    std::string Value;
};

// The four paths, then every field of runs R1..R7 that carries meaning (the
// reserved ones are left out), in declaration order. Booleans are 0 or 1,
// colours 0x00BBGGRR in hex ("0x00FFFFFF"), curves five "(x,y)" pairs
// separated by blanks, RotationSteps 24 digits 0/1 with step 0 first.
std::vector<ProjectListingLine> ListProjectFields(const TqxProject07& project);

} // namespace qx
