#include "MaskCatalogue.h"

#include <cmath>
#include <cstdio>

namespace qx::maskgen {

namespace {

// Regular hexagons and equilateral triangles need cells of width : height
// 2 : sqrt(3); the pointy hexagon is the flat one turned a quarter.
constexpr double kWide = 1.1547;
constexpr double kTall = 0.866;

std::vector<MaskDef> BuildCatalogue()
{
    return {
        {"square", Shape::Whole, 1.0,
         {
             {"grid", 1.0, 32, {{Shape::Whole, 1, 1, 0, 0}}},
             {"brick rows", 1.0, 32, {{Shape::Whole, 1, 2, 0, 0}, {Shape::Whole, 1, 2, 0.5, 1}}},
             {"shifted columns", 1.0, 32, {{Shape::Whole, 2, 1, 0, 0}, {Shape::Whole, 2, 1, 1, 0.5}}},
         }},
        {"hexagon", Shape::HexagonFlat, kWide,
         {
             {"honeycomb", kWide, 28,
              {{Shape::HexagonFlat, 1.5, 1, 0, 0}, {Shape::HexagonFlat, 1.5, 1, 0.75, -0.5}}},
             {"honeycomb rows", kTall, 24,
              {{Shape::HexagonPointy, 1, 1.5, 0, 0}, {Shape::HexagonPointy, 1, 1.5, -0.5, 0.75}}},
         }},
        {"circle", Shape::Circle, 1.0,
         {
             {"grid", 1.0, 32, {{Shape::Circle, 1, 1, 0, 0}}},
             // Neighbouring columns sqrt(3) / 2 apart and half a cell
             // higher: every circle touches six others.
             {"interleaved", 1.0, 32, {{Shape::Circle, 1.7321, 1, 0, 0}, {Shape::Circle, 1.7321, 1, 0.866, -0.5}}},
         }},
        {"diamond", Shape::Diamond, 1.0,
         {
             {"interleaved", 1.0, 32, {{Shape::Diamond, 1, 1, 0, 0}, {Shape::Diamond, 1, 1, 0.5, 0.5}}},
         }},
        {"triangle", Shape::TriangleUp, kWide,
         {
             {"rows", kWide, 32, {{Shape::TriangleUp, 1, 1, 0, 0}, {Shape::TriangleDown, 1, 1, 0.5, 0}}},
             // Every second row shifted by half a cell, so corners meet
             // corners.
             {"lattice", kWide, 32,
              {{Shape::TriangleUp, 1, 2, 0, 0},
               {Shape::TriangleDown, 1, 2, 0.5, 0},
               {Shape::TriangleDown, 1, 2, 0, 1},
               {Shape::TriangleUp, 1, 2, 0.5, 1}}},
         }},
    };
}

} // namespace

const std::vector<MaskDef>& ShippedMasks()
{
    static const std::vector<MaskDef> masks = BuildCatalogue();
    return masks;
}

std::string DisplayName(const PatternDef& pattern)
{
    if (std::fabs(pattern.Aspect - 1.0) < 1e-9)
        return pattern.Name;
    char aspect[32];
    std::snprintf(aspect, sizeof aspect, "%.2f", pattern.Aspect);
    return pattern.Name + ", aspect " + aspect;
}

std::string MaskOverviewFile(const MaskDef& mask) { return mask.Name + "_ov.bmp"; }

std::string PatternOverviewFile(const MaskDef& mask, int patternNumber)
{
    return mask.Name + "_pat" + std::to_string(patternNumber) + "_ov.bmp";
}

} // namespace qx::maskgen
