#include "layout/MosaicCellCodec.h"

#include <gtest/gtest.h>

namespace {

std::int32_t IntAt(const std::vector<std::uint8_t>& b, std::size_t offset)
{
    return static_cast<std::int32_t>(b[offset] | (b[offset + 1] << 8) | (b[offset + 2] << 16) |
                                     (static_cast<std::uint32_t>(b[offset + 3]) << 24));
}

qx::TMosaicCell DistinctCell()
{
    qx::TMosaicCell c;
    c.CellRect = {-10, 20, 38, 68};
    for (std::size_t w = 0; w < c.Feature.Words.size(); ++w)
        c.Feature.Words[w] = 0x01000000u * static_cast<std::uint32_t>(w) + 7;
    std::int32_t v = 100;
    for (auto* f : {&c.PhotoIndex, &c.DeltaBlue, &c.DeltaGreen, &c.DeltaRed, &c.CorrRed, &c.CorrGreen, &c.CorrBlue,
                    &c.DetailDifference, &c.MatchDifference, &c.RawDifference, &c.ColorDiffAvg, &c.ColorDiffSingle,
                    &c.BlendAlpha, &c.FinalDifference, &c.CandidateCount, &c.RotationAngle,
                    &c.AvailablePhotoCount, &c.QualifiedCandidateCount, &c.DivisionLevel, &c.Priority})
        *f = v++;
    c.FlipH = c.HasPhoto = c.Hovered = true;
    return c;
}

} // namespace

TEST(MosaicCellCodec, FieldsSitAtTheirFileOffsets)
{
    qx::ByteWriter out;
    qx::WriteMosaicCell(out, DistinctCell());
    const auto& b = out.Data();
    ASSERT_EQ(b.size(), qx::kMosaicCellBytes);
    struct Field {
        std::size_t offset;
        std::int32_t value;
    };
    const Field fields[] = {{0, -10},   {12, 68},   {16, 7},    {16 + 4 * 85, 0x55000007}, {364, 100},
                            {368, 101}, {380, 104}, {396, 108}, {404, 110},                {416, 112},
                            {420, 113}, {424, 114}, {436, 115}, {456, 116},                {464, 118},
                            {468, 119}};
    for (const Field& f : fields)
        EXPECT_EQ(IntAt(b, f.offset), f.value) << "offset " << f.offset;
    EXPECT_EQ(b[430], 1); // FlipH
    EXPECT_EQ(b[431], 0); // FlipV
    EXPECT_EQ(b[432], 1); // HasPhoto
    EXPECT_EQ(b[452], 1); // Hovered
    EXPECT_EQ(IntAt(b, 412), 0);
    EXPECT_EQ(IntAt(b, 472), 0);
}

TEST(MosaicCellCodec, RoundTripKeepsEveryFieldAndNewCellsHaveNoPhoto)
{
    qx::TMosaicCell cell = DistinctCell();
    cell.Reserved472[103] = 9;
    qx::ByteWriter out;
    qx::WriteMosaicCell(out, cell);
    qx::ByteReader in(out.Data());
    const qx::TMosaicCell back = qx::ReadMosaicCell(in);
    EXPECT_FALSE(in.Overrun());
    qx::ByteWriter again;
    qx::WriteMosaicCell(again, back);
    EXPECT_EQ(again.Data(), out.Data());

    qx::ByteWriter fresh;
    qx::WriteMosaicCell(fresh, qx::TMosaicCell{});
    EXPECT_EQ(IntAt(fresh.Data(), 364), -1);
}
