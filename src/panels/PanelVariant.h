#pragma once

namespace qx {

// The three mode control panels. They share the size and cell computations
// and differ only in the rows of the variant table below.
enum class TPanelKind { Beginner, Advanced, Tile };

// What sets one panel's size page apart from the others.
struct TPanelVariant {
    TPanelKind Kind;
    const char* CustomSizeLabel;    // the caption beside the custom edits
    const char* CustomPaperCaption; // caption of the last paper entry
    const char* CustomDefaultWidth; // epwi's starting text
    const char* CustomDefaultHeight;
    int DefaultPaperIndex;       // in this panel's own paper list
    int LastPpiIndex;            // the resolution table ends here for this panel
    bool ExtraPaperSeparator;    // a second separator line after index 10
    bool SizeLabelShowsMegabytes; // the size label adds "= M MB"
};

const TPanelVariant& PanelVariantOf(TPanelKind kind);

} // namespace qx
