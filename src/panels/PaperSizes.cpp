#include "panels/PaperSizes.h"

#include <array>
#include <cctype>

namespace qx {

namespace {

constexpr const char* kSeparator = "--------------------------------";

constexpr std::array<TPaperSize, 22> kPapers{{
    {0, "Letter  (21.6x27.9 cm  8\"1/2  x  11\")", "Letter", 8.5, 11, false},
    {1, "Legal   (21.6x35.6 cm  8\"1/2  x  14\")", "Legal", 8.5, 14, false},
    {2, "Tabloid  (43.2x27.9 cm  17\"  x  11\")", "Tabloid", 11, 17, false},
    {3, kSeparator, "", 0, 0, true},
    {4, "20\" x 16\"", "20x16", 16, 20, false},
    {5, "24\" x 16\"", "24x16", 16, 24, false},
    {6, "24\" x 18\"", "24x18", 18, 24, false},
    {7, "30\" x 24\"", "30x24", 24, 30, false},
    {8, "36\" x 24\"", "36x24", 24, 36, false},
    {9, "40\" x 32\"", "40x32", 32, 40, false},
    {10, kSeparator, "", 0, 0, true},
    {11, "A1 (59.4x84.1 cm  23\"3/8 x 33) ", "A1", 23.375, 33, false},
    {12, "A2 (42.0x59.4 cm  16\"1/2 x 23\"3/8)", "A2", 16.5, 23.375, false},
    {13, "A3 (29.7x42.0 cm  11\"3/4 x 16\"1/2)", "A3", 11.75, 16.5, false},
    {14, "A4 (21.0x29.7 cm   8\"1/4 x 11\"3/4)", "A4", 8.25, 11.75, false},
    {15, kSeparator, "", 0, 0, true},
    {16, "B1 (70.7x100  cm  27\"3/4  x  39\"1/2 )", "B1", 27.75, 39.5, false},
    {17, "B2 (50  x70.7 cm  19\"3/4  x  27\"3/4 )", "B2", 19.75, 27.75, false},
    {18, "B3 (35.3x50   cm  13\"7/8  x  19\"3/4 )", "B3", 13.875, 19.75, false},
    {19, "B4 (25.0x35.3 cm   9\"7/8  x  13\"7/8 )", "B4", 9.875, 13.875, false},
    {20, kSeparator, "", 0, 0, true},
    {21, "Custom Size (up to 40\" x 40\" )", "custom", 0, 0, true},
}};

// The Advanced list's extra separator sits right after this table row;
// it has no place in the other lists, hence no table index.
constexpr int kExtraSeparatorAfter = 10;
constexpr TPaperSize kExtraSeparator{-1, kSeparator, "", 0, 0, true};

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace

std::span<const TPaperSize> PaperTable()
{
    return kPapers;
}

int PaperListCount(TPanelKind panel)
{
    return static_cast<int>(kPapers.size()) + (PanelVariantOf(panel).ExtraPaperSeparator ? 1 : 0);
}

const TPaperSize* PaperAt(TPanelKind panel, int listIndex)
{
    if (listIndex < 0 || listIndex >= PaperListCount(panel)) {
        return nullptr;
    }
    if (PanelVariantOf(panel).ExtraPaperSeparator && listIndex > kExtraSeparatorAfter) {
        if (listIndex == kExtraSeparatorAfter + 1) {
            return &kExtraSeparator;
        }
        --listIndex;
    }
    return &kPapers[static_cast<std::size_t>(listIndex)];
}

std::string_view PaperCaption(TPanelKind panel, int listIndex)
{
    if (listIndex == PaperListCount(panel) - 1) {
        return PanelVariantOf(panel).CustomPaperCaption;
    }
    const TPaperSize* paper = PaperAt(panel, listIndex);
    return paper != nullptr ? paper->Caption : "";
}

int PaperListIndex(TPanelKind panel, int tableIndex)
{
    const bool shifted = PanelVariantOf(panel).ExtraPaperSeparator && tableIndex > kExtraSeparatorAfter;
    return shifted ? tableIndex + 1 : tableIndex;
}

const TPaperSize* PaperByShortName(std::string_view name)
{
    if (name.empty()) {
        return nullptr;
    }
    for (const TPaperSize& paper : kPapers) {
        if (EqualsIgnoringCase(name, paper.ShortName)) {
            return &paper;
        }
    }
    return nullptr;
}

} // namespace qx
