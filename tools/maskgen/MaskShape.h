#pragma once

namespace qx::maskgen {

// The cell shapes the generator can draw. Whole is the uncut cell, which
// needs no mask picture.
enum class Shape { Whole, HexagonFlat, HexagonPointy, Circle, Diamond, TriangleUp, TriangleDown };

// Whether the point (u, v) of a cell lies inside the shape; u runs 0..1 from
// the cell's left edge to its right, v from its top to its bottom.
bool InsideShape(Shape shape, double u, double v);

// File name of the shape's mask picture; nullptr for Whole.
const char* MaskPictureFile(Shape shape);

} // namespace qx::maskgen
