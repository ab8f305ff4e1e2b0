#include "project/ProjectFileLayout.h"

namespace qx {

namespace {

using P = TqxProject07;

constexpr std::array<ProjectSectionSlot, kProjectSectionCount> kSections{{
    {32, 0}, {32, 52}, {84, 4}, {88, 52}, {140, 56}, {196, 8}, {204, 116}, {320, 8},
}};

constexpr auto kFields = std::to_array<ProjectField>({
    {"ProjectStage", 1, 32, &P::ProjectStage, false},
    {"MosaicWidth", 1, 36, &P::MosaicWidth, false},
    {"MosaicHeight", 1, 40, &P::MosaicHeight, false},
    {"CellWidth", 1, 44, &P::CellWidth, false},
    {"CellHeight", 1, 48, &P::CellHeight, false},
    {"PPI", 1, 52, &P::PPI, false},
    {"PageWidth", 1, 56, &P::PageWidth, false},
    {"PageHeight", 1, 60, &P::PageHeight, false},
    {"Reserved_R1", 1, 64, &P::Reserved_R1, true},
    {"BorderSize", 1, 68, &P::BorderSize, false},
    {"BorderColor", 1, 72, &P::BorderColor, false},
    {"BackgroundColor", 1, 76, &P::BackgroundColor, false},
    {"MainImageAsBackground", 1, 80, &P::MainImageAsBackground, false},
    {"Reserved_R1a", 1, 81, &P::Reserved_R1a, true},
    {"Reserved_R1b", 1, 82, &P::Reserved_R1b, true},

    {"MainImageLoaded", 2, 84, &P::MainImageLoaded, false},
    {"CropMainImage", 2, 85, &P::CropMainImage, false},
    {"MonoMainImage", 2, 86, &P::MonoMainImage, false},
    {"Reserved_R2", 2, 87, &P::Reserved_R2, true},

    {"Reserved_R3a", 3, 88, &P::Reserved_R3a, true},
    {"CropCellImage", 3, 89, &P::CropCellImage, false},
    {"MonoCellImage", 3, 90, &P::MonoCellImage, false},
    {"AllowHorzFlip", 3, 91, &P::AllowHorzFlip, false},
    {"AllowVertFlip", 3, 92, &P::AllowVertFlip, false},
    {"RepeatRadius", 3, 96, &P::RepeatRadius, false},
    {"LimitRepeat", 3, 100, &P::LimitRepeat, false},
    {"MinRepeat", 3, 104, &P::MinRepeat, false},
    {"MaxRepeat", 3, 108, &P::MaxRepeat, false},
    {"Reserved_R3b", 3, 112, &P::Reserved_R3b, true},
    {"RotateTiles", 3, 113, &P::RotateTiles, false},
    {"RotationSteps", 3, 114, &P::RotationSteps, false},

    {"Reserved_R4", 4, 140, &P::Reserved_R4, true},

    {"MaskIndex", 5, 196, &P::MaskIndex, false},
    {"PatternIndex", 5, 200, &P::PatternIndex, false},

    {"EnhanceLevel", 6, 204, &P::EnhanceLevel, false},
    {"RandomLevel", 6, 208, &P::RandomLevel, false},
    {"Reserved_R6", 6, 212, &P::Reserved_R6, true},
    {"AlphaBlendMain", 6, 216, &P::AlphaBlendMain, false},
    {"AlphaBlendPen", 6, 220, &P::AlphaBlendPen, false},
    {"StretchFilter", 6, 224, &P::StretchFilter, false},
    {"EnhanceCurve", 6, 225, &P::EnhanceCurve, false},
    {"AlphaCurve", 6, 265, &P::AlphaCurve, false},
    {"MaxColorDiffAvg", 6, 308, &P::MaxColorDiffAvg, false},
    {"MaxColorDiffSingle", 6, 312, &P::MaxColorDiffSingle, false},
    {"MaxShapeDiff", 6, 316, &P::MaxShapeDiff, false},

    {"Reserved_R7a", 7, 320, &P::Reserved_R7a, true},
    {"Reserved_R7b", 7, 324, &P::Reserved_R7b, true},
});

struct WidthOf {
    int operator()(std::int32_t P::*) const { return 4; }
    int operator()(std::uint32_t P::*) const { return 4; }
    int operator()(bool P::*) const { return 1; }
    int operator()(std::uint8_t P::*) const { return 1; }
    int operator()(std::array<bool, 24> P::*) const { return 24; }
    int operator()(TCurvePoints P::*) const { return 40; }
    int operator()(std::array<std::uint8_t, 56> P::*) const { return 56; }
};

} // namespace

std::span<const ProjectSectionSlot, kProjectSectionCount> ProjectSectionSlots()
{
    return kSections;
}

std::span<const ProjectField> ProjectFields()
{
    return kFields;
}

int ProjectFieldWidth(const ProjectFieldMember& member)
{
    return std::visit(WidthOf{}, member);
}

} // namespace qx
