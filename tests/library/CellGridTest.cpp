#include "common/QuiltixError.h"
#include "library/CellGrid.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

fs::path FreshFolder()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("qx_cellgrid_") + info->test_suite_name() + "_" + info->name();
    for (char& c : name)
        if (c == '/')
            c = '_';
    fs::path dir = fs::temp_directory_path() / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string ErrorOf(std::string_view text)
{
    try {
        qx::CellGrid::Parse(text, "bad.lst");
    } catch (const qx::QuiltixError& e) {
        return e.what();
    }
    return "no error";
}

void ExpectSameGrid(const qx::CellGrid& a, const qx::CellGrid& b)
{
    ASSERT_EQ(a.ColCount(), b.ColCount());
    ASSERT_EQ(a.RowCount(), b.RowCount());
    for (int c = 0; c < a.ColCount(); ++c) {
        EXPECT_EQ(a.ColumnWidth(c), b.ColumnWidth(c)) << "column " << c;
        for (int r = 0; r < a.RowCount(); ++r)
            EXPECT_EQ(a.Cell(c, r), b.Cell(c, r)) << "cell " << c << "," << r;
    }
}

struct MalformedCase {
    const char* Label;
    const char* Text;
    const char* Problem; // what follows "is malformed at line "
};

const MalformedCase MalformedCases[] = {
    {"Empty", "", "1: the first line must give the column and row counts separated by a comma."},
    {"NoComma", "3 12\r\n0,1,a\r\n", "1: the first line must give the column and row counts separated by a comma."},
    {"ZeroColumns", "0,12\r\n", "1: the column count \"0\" is not a number from 1 to 64."},
    {"ZeroRows", "3,0\r\n", "1: the row count \"0\" is not a number from 1 to 1000000."},
    {"ColumnsNotNumber", "x,5\r\n", "1: the column count \"x\" is not a number from 1 to 64."},
    {"RowsNotNumber", "3,1a\r\n", "1: the row count \"1a\" is not a number from 1 to 1000000."},
    {"ThirdField", "3,4,5\r\n", "1: the row count \"4,5\" is not a number from 1 to 1000000."},
    {"TooManyColumns", "65,2\r\n", "1: the column count \"65\" is not a number from 1 to 64."},
    {"TooManyRows", "3,1000001\r\n", "1: the row count \"1000001\" is not a number from 1 to 1000000."},
    {"HugeCount", "99999999999999999999,2\r\n",
     "1: the column count \"99999999999999999999\" is not a number from 1 to 64."},
    {"OneComma", "3,4\r\n0,1,a.jpg\r\n1,2\r\n",
     "3: a cell line must give a column, a row and a text separated by commas."},
    {"NoCommaCell", "3,4\n0,1,a\njunk\n", "3: a cell line must give a column, a row and a text separated by commas."},
    {"ColumnNotNumber", "3,4\n0,1,a\nz,1,b\n", "3: the column \"z\" is not a number."},
    {"RowNotNumber", "3,4\n0,y,b\n", "2: the row \"y\" is not a number."},
    {"ColumnOutside", "3,4\n3,1,b\n", "2: the cell at column 3, row 1 lies outside the grid of 3 columns and 4 rows."},
    {"RowOutside", "3,4\n0,4,b\n", "2: the cell at column 0, row 4 lies outside the grid of 3 columns and 4 rows."},
    {"NegativeColumn", "3,4\n-1,1,b\n",
     "2: the cell at column -1, row 1 lies outside the grid of 3 columns and 4 rows."},
    {"BlankLinesCount", "3,4\r\n\r\n\r\n0,1,x\r\nbad\r\n",
     "5: a cell line must give a column, a row and a text separated by commas."},
    {"WidthWithoutValue", "3,4\ncw 0\n",
     "2: a column width line must be \"cw\", a separator, a column number, a comma and a width."},
    {"WidthNotNumber", "3,4\ncw:1,wide\n",
     "2: a column width line must be \"cw\", a separator, a column number, a comma and a width."},
    {"WidthColumnOutside", "3,4\ncw 5,40\n", "2: the width line's column 5 lies outside the grid of 3 columns."},
};

void PrintTo(const MalformedCase& c, std::ostream* os)
{
    *os << c.Label;
}

class MalformedList : public ::testing::TestWithParam<MalformedCase> {};

} // namespace

TEST_P(MalformedList, IsRefusedNamingFileAndLine)
{
    const MalformedCase& c = GetParam();
    EXPECT_EQ(ErrorOf(c.Text), std::string("The list file \"bad.lst\" is malformed at line ") + c.Problem);
}

INSTANTIATE_TEST_SUITE_P(CellGrid, MalformedList, ::testing::ValuesIn(MalformedCases),
                         [](const auto& row) { return std::string(row.param.Label); });

TEST(CellGrid, LargestDeclaredSizesAreAccepted)
{
    const qx::CellGrid tall = qx::CellGrid::Parse("3,1000000\r\n0,999999,last\r\n", "tall.lst");
    EXPECT_EQ(tall.RowCount(), 1000000);
    EXPECT_EQ(tall.Cell(0, 999999), "last");
    const qx::CellGrid wide = qx::CellGrid::Parse("64,2\r\n63,1,edge\r\n", "wide.lst");
    EXPECT_EQ(wide.ColCount(), 64);
    EXPECT_EQ(wide.Cell(63, 1), "edge");
}

TEST(CellGrid, LoadNamesTheFileInItsError)
{
    const fs::path file = FreshFolder() / "filelist.lst";
    std::FILE* f = std::fopen(file.c_str(), "wb");
    ASSERT_TRUE(f);
    std::fputs("3,4\r\n0,9,x\r\n", f);
    std::fclose(f);
    try {
        qx::CellGrid::Load(file);
        FAIL() << "a cell outside the grid was accepted";
    } catch (const qx::QuiltixError& e) {
        EXPECT_EQ(std::string(e.what()), "The list file \"" + file.string() +
                                             "\" is malformed at line 2: the cell at column 0, row 9 lies "
                                             "outside the grid of 3 columns and 4 rows.");
    }
}

TEST(CellGrid, CellTextRunsToTheEndOfTheLineCommasIncluded)
{
    const qx::CellGrid grid = qx::CellGrid::Parse("3,4\r\n0,1,a, b,,c.jpg\r\n2,2,,\r\n1,1, 12 KB \r\n", "l.lst");
    EXPECT_EQ(grid.Cell(0, 1), "a, b,,c.jpg");
    EXPECT_EQ(grid.Cell(2, 2), ",");
    EXPECT_EQ(grid.Cell(1, 1), " 12 KB ");
}

TEST(CellGrid, CrLfAndLfReadAlike)
{
    const std::string body = "3,4|cw 0,250|0,0,Name|0,1,/p/a.jpg|1,1,3 KB|0,2,b c.bmp|2,2,BMP|";
    std::string lf = body;
    std::string crlf;
    for (char& ch : lf)
        if (ch == '|')
            ch = '\n';
    for (char ch : body)
        crlf += ch == '|' ? std::string("\r\n") : std::string(1, ch);
    const qx::CellGrid a = qx::CellGrid::Parse(lf, "lf.lst");
    const qx::CellGrid b = qx::CellGrid::Parse(crlf, "crlf.lst");
    ExpectSameGrid(a, b);
    EXPECT_EQ(b.Cell(0, 1), "/p/a.jpg");
    EXPECT_EQ(b.Cell(2, 2), "BMP");
    EXPECT_EQ(b.ColumnWidth(0), 250);
    EXPECT_EQ(b.ColumnWidth(1), qx::CellGrid::DefaultColumnWidth);
}

TEST(CellGrid, DefaultHeadingsGiveWayToRowZeroOfTheFile)
{
    const qx::CellGrid grid = qx::CellGrid::Parse("3,2\r\n1,0,Bytes\r\n", "h.lst");
    EXPECT_EQ(grid.Cell(0, 0), "File Name");
    EXPECT_EQ(grid.Cell(1, 0), "Bytes");
    EXPECT_EQ(grid.Cell(2, 0), "Type");
    const qx::CellGrid narrow = qx::CellGrid::Parse("2,2\r\n", "n.lst");
    EXPECT_EQ(narrow.Cell(1, 0), "Size");
    EXPECT_EQ(narrow.Cell(2, 0), "");
}

TEST(CellGrid, MultiLineTextsAreDecodedFromTheirStandIns)
{
    const qx::CellGrid grid = qx::CellGrid::Parse("3,4\r\n0,1,one\t\btwo\b\r\n0,2,tab\there\r\n", "m.lst");
    EXPECT_EQ(grid.Cell(0, 1), "one\r\ntwo\n");
    EXPECT_EQ(grid.Cell(0, 2), "tab\there") << "a text without character 8 keeps its tab";
}

TEST(CellGrid, SaveAndLoadRoundTripExactly)
{
    qx::CellGrid grid(4, 7);
    grid.SetColumnWidth(0, 320);
    grid.SetColumnWidth(3, 0);
    const char* texts[] = {"", "Photo, with, commas", "first\r\nsecond", "only\nfeeds\n", "\r\n", "tab\tinside",
                           ",leading comma", "cw looks like a width line"};
    int i = 0;
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 4; ++c)
            if ((r + c) % 3 != 2)
                grid.SetCell(c, r, texts[i++ % std::size(texts)]);
    const fs::path file = FreshFolder() / "round.lst";
    grid.Save(file);
    ExpectSameGrid(qx::CellGrid::Load(file), grid);

    const std::string text = grid.ToText(file);
    for (std::size_t p = text.find('\n'); p != std::string::npos; p = text.find('\n', p + 1))
        ASSERT_TRUE(p > 0 && text[p - 1] == '\r') << "a line ends without CR at offset " << p;
}

TEST(CellGrid, TextsTheFormatCannotHoldAreRefusedBeforeWriting)
{
    const struct {
        const char* Text;
        const char* Reason;
    } cases[] = {
        {"lone\rreturn", "a single-line text may hold neither a carriage return nor character 8."},
        {"back\bspace", "a single-line text may hold neither a carriage return nor character 8."},
        {"tab\tand\nfeed", "a multi-line text may hold neither a tab nor character 8."},
        {"back\band\nfeed", "a multi-line text may hold neither a tab nor character 8."},
    };
    const fs::path dir = FreshFolder();
    for (const auto& c : cases) {
        qx::CellGrid grid(3, 3);
        grid.SetCell(2, 1, c.Text);
        const fs::path file = dir / "refused.lst";
        try {
            grid.Save(file);
            ADD_FAILURE() << "saved " << c.Text;
        } catch (const qx::QuiltixError& e) {
            EXPECT_EQ(std::string(e.what()), "The list file \"" + file.string() +
                                                 "\" cannot hold the text of the cell at column 2, row 1: " +
                                                 c.Reason);
        }
        EXPECT_FALSE(fs::exists(file));
    }
}

TEST(CellGrid, ResizingKeepsCellsInsideAndDropsTheRest)
{
    qx::CellGrid grid(3, 3);
    grid.SetCell(2, 2, "corner");
    grid.SetCell(0, 1, "kept");
    grid.SetColCount(2);
    grid.SetColCount(3);
    EXPECT_EQ(grid.Cell(2, 2), "");
    EXPECT_EQ(grid.Cell(0, 1), "kept");
    grid.SetRowCount(1);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.Cell(0, 1), "");
    EXPECT_THROW(grid.SetCell(3, 0, "x"), std::out_of_range);
    EXPECT_EQ(grid.Cell(5, 5), "");
}
