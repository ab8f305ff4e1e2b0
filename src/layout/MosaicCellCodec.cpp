#include "layout/MosaicCellCodec.h"

namespace qx {

namespace {

// Fields in file order: the same list drives writing and reading, so the
// two can never disagree about an offset.
template <typename Cell, typename Io>
void VisitCell(Cell& c, Io&& io)
{
    io.Int(c.CellRect.Left);
    io.Int(c.CellRect.Top);
    io.Int(c.CellRect.Right);
    io.Int(c.CellRect.Bottom);
    for (auto& word : c.Feature.Words)
        io.Word(word);
    io.Byte(c.Reserved360);
    io.Pad(3);
    for (auto* field : {&c.PhotoIndex, &c.DeltaBlue, &c.DeltaGreen, &c.DeltaRed, &c.CorrRed, &c.CorrGreen,
                        &c.CorrBlue, &c.DetailDifference, &c.MatchDifference, &c.RawDifference, &c.ColorDiffAvg,
                        &c.ColorDiffSingle, &c.Reserved412, &c.BlendAlpha, &c.FinalDifference, &c.CandidateCount})
        io.Int(*field);
    io.Half(c.Reserved428);
    io.Flag(c.FlipH);
    io.Flag(c.FlipV);
    io.Flag(c.HasPhoto);
    io.Byte(c.Reserved433);
    io.Flag(c.Selected);
    io.Pad(1);
    io.Int(c.RotationAngle);
    for (auto& r : c.Reserved440)
        io.Int(r);
    io.Flag(c.Hovered);
    io.Pad(3);
    for (auto* field : {&c.AvailablePhotoCount, &c.QualifiedCandidateCount, &c.DivisionLevel, &c.Priority})
        io.Int(*field);
    for (auto& b : c.Reserved472)
        io.Byte(b);
}

struct Writer {
    ByteWriter& out;
    void Int(std::int32_t v) { out.I32(v); }
    void Word(std::uint32_t v) { out.U32(v); }
    void Half(std::uint16_t v) { out.U16(v); }
    void Byte(std::uint8_t v) { out.U8(v); }
    void Flag(bool v) { out.Bool(v); }
    void Pad(std::size_t n) { out.Zeros(n); }
};

struct Reader {
    ByteReader& in;
    void Int(std::int32_t& v) { v = in.I32(); }
    void Word(std::uint32_t& v) { v = in.U32(); }
    void Half(std::uint16_t& v) { v = in.U16(); }
    void Byte(std::uint8_t& v) { v = in.U8(); }
    void Flag(bool& v) { v = in.Bool(); }
    void Pad(std::size_t n) { in.Skip(n); }
};

} // namespace

void WriteMosaicCell(ByteWriter& out, const TMosaicCell& cell)
{
    VisitCell(cell, Writer{out});
}

TMosaicCell ReadMosaicCell(ByteReader& in)
{
    TMosaicCell cell;
    VisitCell(cell, Reader{in});
    return cell;
}

} // namespace qx
