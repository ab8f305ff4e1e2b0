#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

// The headings a photo list grid shows in row 0 unless its file overrides them.
inline constexpr std::array<std::string_view, 3> PhotoListHeadings = {"File Name", "Size", "Type"};

// A grid of text cells, the in-memory form of a photo list ("filelist.lst").
// Row 0 is the heading row. Column widths are kept for display only.
//
// Texts are held decoded: a multi-line text holds its line breaks as real
// CR and LF characters. The list format marks such a text by character 8
// and writes CR as character 9 and LF as character 8, so a single-line text
// can hold neither CR nor character 8, and a multi-line text (one with an
// LF) can hold neither a tab nor character 8; Save refuses such texts
// rather than write something that reads back differently.
class CellGrid {
public:
    static constexpr int MaxColumns = 64;
    static constexpr int MaxRows = 1'000'000;
    static constexpr int DefaultColumnWidth = 64;

    CellGrid() = default;
    // Sizes are clamped to 0..MaxColumns and 0..MaxRows.
    CellGrid(int columns, int rows);

    int ColCount() const { return static_cast<int>(widths_.size()); }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // Cells that fall outside the new size are dropped; new cells are empty.
    void SetColCount(int columns);
    void SetRowCount(int rows);
    // Empties every cell; size and widths stay.
    void Clear();

    // Outside the grid the text is empty.
    const std::string& Cell(int col, int row) const;
    // Throws std::out_of_range outside the grid.
    void SetCell(int col, int row, std::string text);

    // Outside the grid the width is DefaultColumnWidth.
    int ColumnWidth(int col) const;
    // Throws std::out_of_range outside the grid.
    void SetColumnWidth(int col, int width);

    // Reads the list format; `source` names the text in error messages. The
    // photo list headings go into row 0 first, then the file's cells. A
    // malformed list throws QuiltixError naming the source and the line.
    static CellGrid Parse(std::string_view text, const std::filesystem::path& source);
    static CellGrid Load(const std::filesystem::path& file);

    // The list format with CR LF line ends; `target` names the file in the
    // error thrown for a text the format cannot hold.
    std::string ToText(const std::filesystem::path& target) const;
    // Replaces the file atomically.
    void Save(const std::filesystem::path& file) const;

private:
    std::vector<int> widths_;
    // A row holds no strings until one of its cells is set, so a list that
    // declares many rows costs little until they are filled.
    std::vector<std::vector<std::string>> rows_;
};

} // namespace qx
