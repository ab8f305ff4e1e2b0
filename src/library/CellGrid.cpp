#include "library/CellGrid.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <stdexcept>

namespace qx {

namespace fs = std::filesystem;

namespace {

constexpr char MultiLineMark = '\b'; // also the stand-in for LF
constexpr char CarriageReturnStandIn = '\t';

const std::string EmptyText;

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::optional<long long> ParseNumber(std::string_view text)
{
    text = TrimBlanks(text);
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

[[noreturn]] void Malformed(const fs::path& source, std::size_t line, const std::string& what)
{
    throw QuiltixError("The list file " + QuotedPath(source) + " is malformed at line " +
                       std::to_string(line) + ": " + what + ".");
}

std::string Quoted(std::string_view s)
{
    return "\"" + std::string(s) + "\"";
}

std::string DecodeText(std::string_view raw)
{
    std::string text(raw);
    if (text.find(MultiLineMark) == std::string::npos)
        return text;
    std::replace(text.begin(), text.end(), CarriageReturnStandIn, '\r');
    std::replace(text.begin(), text.end(), MultiLineMark, '\n');
    return text;
}

// Splits into lines at LF, dropping one CR before each LF, so CR LF and LF
// files read the same.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (lf == std::string_view::npos)
            break;
        text.remove_prefix(lf + 1);
    }
    return lines;
}

CellGrid ParseSizeLine(std::string_view line, const fs::path& source)
{
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos)
        Malformed(source, 1, "the first line must give the column and row counts separated by a comma");
    const std::string_view colText = line.substr(0, comma);
    const std::string_view rowText = line.substr(comma + 1);
    const auto cols = ParseNumber(colText);
    if (!cols || *cols < 1 || *cols > CellGrid::MaxColumns)
        Malformed(source, 1, "the column count " + Quoted(colText) + " is not a number from 1 to " +
                                 std::to_string(CellGrid::MaxColumns));
    const auto rows = ParseNumber(rowText);
    if (!rows || *rows < 1 || *rows > CellGrid::MaxRows)
        Malformed(source, 1, "the row count " + Quoted(rowText) + " is not a number from 1 to " +
                                 std::to_string(CellGrid::MaxRows));
    return CellGrid(static_cast<int>(*cols), static_cast<int>(*rows));
}

// "cw", one separator character, column, comma, width.
void ParseWidthLine(std::string_view line, std::size_t lineNo, const fs::path& source, CellGrid& grid)
{
    const std::string_view rest = line.size() > 3 ? line.substr(3) : std::string_view();
    const std::size_t comma = rest.find(',');
    const auto col = ParseNumber(rest.substr(0, comma));
    const auto width = comma == std::string_view::npos ? std::nullopt : ParseNumber(rest.substr(comma + 1));
    if (!col || !width || *width < 0 || *width > std::numeric_limits<int>::max())
        Malformed(source, lineNo,
                  "a column width line must be \"cw\", a separator, a column number, a comma and a width");
    if (*col < 0 || *col >= grid.ColCount())
        Malformed(source, lineNo, "the width line's column " + std::to_string(*col) +
                                      " lies outside the grid of " + std::to_string(grid.ColCount()) +
                                      " columns");
    grid.SetColumnWidth(static_cast<int>(*col), static_cast<int>(*width));
}

void ParseCellLine(std::string_view line, std::size_t lineNo, const fs::path& source, CellGrid& grid)
{
    const std::size_t first = line.find(',');
    const std::size_t second = first == std::string_view::npos ? first : line.find(',', first + 1);
    if (second == std::string_view::npos)
        Malformed(source, lineNo, "a cell line must give a column, a row and a text separated by commas");
    const std::string_view colText = line.substr(0, first);
    const std::string_view rowText = line.substr(first + 1, second - first - 1);
    const auto col = ParseNumber(colText);
    if (!col)
        Malformed(source, lineNo, "the column " + Quoted(colText) + " is not a number");
    const auto row = ParseNumber(rowText);
    if (!row)
        Malformed(source, lineNo, "the row " + Quoted(rowText) + " is not a number");
    if (*col < 0 || *col >= grid.ColCount() || *row < 0 || *row >= grid.RowCount())
        Malformed(source, lineNo, "the cell at column " + std::to_string(*col) + ", row " +
                                      std::to_string(*row) + " lies outside the grid of " +
                                      std::to_string(grid.ColCount()) + " columns and " +
                                      std::to_string(grid.RowCount()) + " rows");
    grid.SetCell(static_cast<int>(*col), static_cast<int>(*row), DecodeText(line.substr(second + 1)));
}

std::string EncodeText(const std::string& text, int col, int row, const fs::path& target)
{
    const bool multiLine = text.find('\n') != std::string::npos;
    const char* forbidden = multiLine ? "\t\b" : "\r\b";
    if (text.find_first_of(forbidden) != std::string::npos)
        throw QuiltixError("The list file " + QuotedPath(target) + " cannot hold the text of the cell at column " +
                           std::to_string(col) + ", row " + std::to_string(row) + ": " +
                           (multiLine ? "a multi-line text may hold neither a tab nor character 8."
                                      : "a single-line text may hold neither a carriage return nor character 8."));
    if (!multiLine)
        return text;
    std::string encoded = text;
    std::replace(encoded.begin(), encoded.end(), '\r', CarriageReturnStandIn);
    std::replace(encoded.begin(), encoded.end(), '\n', MultiLineMark);
    return encoded;
}

} // namespace

CellGrid::CellGrid(int columns, int rows)
{
    SetColCount(columns);
    SetRowCount(rows);
}

void CellGrid::SetColCount(int columns)
{
    widths_.resize(static_cast<std::size_t>(std::clamp(columns, 0, MaxColumns)), DefaultColumnWidth);
    for (auto& row : rows_)
        if (row.size() > widths_.size())
            row.resize(widths_.size());
}

void CellGrid::SetRowCount(int rows)
{
    rows_.resize(static_cast<std::size_t>(std::clamp(rows, 0, MaxRows)));
}

void CellGrid::Clear()
{
    for (auto& row : rows_)
        row.clear();
}

const std::string& CellGrid::Cell(int col, int row) const
{
    if (row < 0 || row >= RowCount() || col < 0)
        return EmptyText;
    const auto& cells = rows_[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(col) < cells.size() ? cells[static_cast<std::size_t>(col)] : EmptyText;
}

void CellGrid::SetCell(int col, int row, std::string text)
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        throw std::out_of_range("CellGrid::SetCell outside the grid");
    auto& cells = rows_[static_cast<std::size_t>(row)];
    if (cells.size() <= static_cast<std::size_t>(col))
        cells.resize(widths_.size());
    cells[static_cast<std::size_t>(col)] = std::move(text);
}

int CellGrid::ColumnWidth(int col) const
{
    return col >= 0 && col < ColCount() ? widths_[static_cast<std::size_t>(col)] : DefaultColumnWidth;
}

void CellGrid::SetColumnWidth(int col, int width)
{
    if (col < 0 || col >= ColCount())
        throw std::out_of_range("CellGrid::SetColumnWidth outside the grid");
    widths_[static_cast<std::size_t>(col)] = width;
}

CellGrid CellGrid::Parse(std::string_view text, const fs::path& source)
{
    const std::vector<std::string_view> lines = SplitLines(text);
    CellGrid grid = ParseSizeLine(lines.empty() ? std::string_view() : lines.front(), source);
    for (int c = 0; c < std::min<int>(grid.ColCount(), static_cast<int>(PhotoListHeadings.size())); ++c)
        grid.SetCell(c, 0, std::string(PhotoListHeadings[static_cast<std::size_t>(c)]));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty())
            continue;
        if (line.starts_with("cw"))
            ParseWidthLine(line, i + 1, source, grid);
        else
            ParseCellLine(line, i + 1, source, grid);
    }
    return grid;
}

CellGrid CellGrid::Load(const fs::path& file)
{
    const std::vector<std::uint8_t> bytes = ReadWholeFile(file);
    return Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), file);
}

std::string CellGrid::ToText(const fs::path& target) const
{
    std::string out = std::to_string(ColCount()) + "," + std::to_string(RowCount()) + "\r\n";
    for (int c = 0; c < ColCount(); ++c)
        out += "cw " + std::to_string(c) + "," + std::to_string(ColumnWidth(c)) + "\r\n";
    for (int r = 0; r < RowCount(); ++r) {
        for (int c = 0; c < ColCount(); ++c) {
            const std::string& text = Cell(c, r);
            // Row 0 is written even where empty, or loading would bring back
            // the default headings in its place.
            if (text.empty() && r != 0)
                continue;
            out += std::to_string(c) + "," + std::to_string(r) + "," + EncodeText(text, c, r, target) + "\r\n";
        }
    }
    return out;
}

void CellGrid::Save(const fs::path& file) const
{
    WriteFileAtomically(file, ToText(file));
}

} // namespace qx
