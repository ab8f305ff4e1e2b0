#include "MaskShape.h"

#include <array>
#include <cmath>

namespace qx::maskgen {

namespace {

// Each shape is tested in the cell's centred coordinates a = |2u - 1| and
// b = |2v - 1| (0 at the centre, 1 at the edges), where every shape here is
// symmetric left to right.
struct ShapeRow {
    Shape Kind;
    const char* PictureFile;
    bool (*Inside)(double a, double b, double v);
};

constexpr std::array<ShapeRow, 7> kShapes{{
    {Shape::Whole, nullptr, [](double, double, double) { return true; }},
    // Flat top and bottom; the left and right corners touch the cell's edges
    // halfway down, so columns three quarters of a cell apart interlock.
    {Shape::HexagonFlat, "hexagon.bmp", [](double a, double b, double) { return a <= 1.0 - b / 2.0; }},
    {Shape::HexagonPointy, "hexagon_pointy.bmp", [](double a, double b, double) { return b <= 1.0 - a / 2.0; }},
    {Shape::Circle, "circle.bmp", [](double a, double b, double) { return a * a + b * b <= 1.0; }},
    {Shape::Diamond, "diamond.bmp", [](double a, double b, double) { return a + b <= 1.0; }},
    {Shape::TriangleUp, "triangle_up.bmp", [](double a, double, double v) { return a <= v; }},
    {Shape::TriangleDown, "triangle_down.bmp", [](double a, double, double v) { return a <= 1.0 - v; }},
}};

static_assert(
    [] {
        for (std::size_t i = 0; i < kShapes.size(); ++i)
            if (kShapes[i].Kind != static_cast<Shape>(i))
                return false;
        return true;
    }(),
    "the shape table is indexed by Shape");

const ShapeRow& RowOf(Shape shape) { return kShapes[static_cast<std::size_t>(shape)]; }

} // namespace

bool InsideShape(Shape shape, double u, double v)
{
    return RowOf(shape).Inside(std::fabs(2.0 * u - 1.0), std::fabs(2.0 * v - 1.0), v);
}

const char* MaskPictureFile(Shape shape) { return RowOf(shape).PictureFile; }

} // namespace qx::maskgen
