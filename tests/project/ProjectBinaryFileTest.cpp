#include "project/ProjectBinaryFile.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"

#include "ProjectFieldProbes.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>

namespace fs = std::filesystem;
using probes::AllFields;
using probes::kSectionSize;
using probes::kSectionStart;
using probes::PokedFileBytes;
using probes::PokedProject;
using qx::TqxProject07;

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& bytes, int offset, std::int32_t value)
{
    const auto b = probes::Le32(static_cast<std::uint32_t>(value));
    std::copy(b.begin(), b.end(), bytes.begin() + offset);
}

void PutCurve(Bytes& bytes, int offset, std::initializer_list<std::int32_t> xy)
{
    for (std::int32_t v : xy) {
        Put32(bytes, offset, v);
        offset += 4;
    }
}

int Width(const probes::FieldProbe& f)
{
    return static_cast<int>(f.PokedBytes.size());
}

// Decodes into a fresh record and checks each stored field: probe value
// where `expectRead` says so, the fresh record's value otherwise.
void ExpectFieldsRead(const Bytes& bytes, const std::function<bool(const probes::FieldProbe&)>& expectRead)
{
    const TqxProject07 fresh;
    const TqxProject07 poked = PokedProject();
    TqxProject07 p;
    qx::DecodeProjectBinary(bytes, "test.QX8", p);
    for (const auto& f : AllFields()) {
        SCOPED_TRACE(f.Name);
        const bool read = f.Offset >= 0 && expectRead(f);
        EXPECT_EQ(f.Show(p), f.Show(read ? poked : fresh));
    }
}

} // namespace

TEST(ProjectBinaryFile, DefaultRecordGivesTheGoldenBytes)
{
    Bytes expected(328, 0);
    const int sizes[8] = {0, 52, 4, 52, 56, 8, 116, 8};
    for (int s = 0; s < 8; ++s)
        Put32(expected, 4 * s, sizes[s]);
    Put32(expected, 36, 1024);
    Put32(expected, 40, 1024);
    Put32(expected, 44, 48);
    Put32(expected, 48, 48);
    Put32(expected, 52, 72);
    Put32(expected, 72, 0x00FFFFFF);
    expected[80] = 1;
    expected[89] = 1;
    Put32(expected, 108, 400);
    Put32(expected, 196, 1);
    Put32(expected, 200, 1);
    Put32(expected, 204, 40);
    Put32(expected, 208, 4);
    Put32(expected, 216, 70);
    Put32(expected, 220, 255);
    expected[224] = 4;
    PutCurve(expected, 225, {10, 255, 50, 190, 100, 150, 150, 120, 200, 100});
    PutCurve(expected, 265, {10, 0, 15, 20, 35, 40, 50, 50, 120, 75});
    Put32(expected, 308, 50);
    Put32(expected, 312, 60);
    Put32(expected, 316, 40);
    EXPECT_EQ(qx::EncodeProjectBinary(TqxProject07()), expected);
}

TEST(ProjectBinaryFile, EveryFieldLandsAtItsOffsetAndPaddingStaysZero)
{
    EXPECT_EQ(qx::EncodeProjectBinary(PokedProject()), PokedFileBytes());
}

TEST(ProjectBinaryFile, WrittenFileReadsBackEveryStoredField)
{
    const fs::path file = ScratchFolder() / "project.QX8";
    qx::WriteProjectBinaryFile(file, PokedProject());
    EXPECT_EQ(fs::file_size(file), 328u);
    const TqxProject07 fresh;
    const TqxProject07 poked = PokedProject();
    TqxProject07 p;
    qx::ReadProjectBinaryFile(file, p);
    for (const auto& f : AllFields()) {
        SCOPED_TRACE(f.Name);
        EXPECT_EQ(f.Show(p), f.Show(f.Offset >= 0 ? poked : fresh));
    }
}

TEST(ProjectBinaryFile, OutOfRangeValuesAreNormalisedOnReading)
{
    Bytes bytes = PokedFileBytes();
    bytes[86] = 7; // MonoMainImage
    PutCurve(bytes, 225, {300, -5});
    PutCurve(bytes, 265 + 32, {-1, 256});
    TqxProject07 p;
    qx::DecodeProjectBinary(bytes, "test.QX8", p);
    EXPECT_TRUE(p.MonoMainImage);
    EXPECT_EQ(p.EnhanceCurve[0], (qx::TCurvePoint{255, 0}));
    EXPECT_EQ(p.EnhanceCurve[1], (qx::TCurvePoint{21, 202}));
    EXPECT_EQ(p.AlphaCurve[4], (qx::TCurvePoint{0, 255}));
}

class TruncatedFile : public ::testing::TestWithParam<int> {};

TEST_P(TruncatedFile, FillsOnlyTheFieldsThatLieWhollyInsideIt)
{
    const int length = GetParam();
    Bytes bytes = PokedFileBytes();
    bytes.resize(static_cast<std::size_t>(length));
    ExpectFieldsRead(bytes, [length](const probes::FieldProbe& f) { return f.Offset + Width(f) <= length; });
}

INSTANTIATE_TEST_SUITE_P(Lengths, TruncatedFile,
                         ::testing::Values(0, 4, 31, 32, 35, 36, 63, 83, 84, 86, 88, 130, 139, 140, 195, 227,
                                           264, 300, 319, 324, 327));

TEST(ProjectBinaryFile, FileShorterThanTheHeaderIsNotJudgedByItsSizes)
{
    Bytes bytes(31, 0xFF);
    TqxProject07 p = PokedProject();
    EXPECT_NO_THROW(qx::DecodeProjectBinary(bytes, "test.QX8", p));
    EXPECT_EQ(p.MosaicWidth, 3001);
    EXPECT_EQ(p.Reserved_R7a, -12345);
}

struct Resize {
    int Section;
    int Size;
};

class ResizedSection : public ::testing::TestWithParam<Resize> {};

// A larger section is padded with junk after its run; a smaller one loses
// the tail of its run. Either way the later sections follow it directly.
TEST_P(ResizedSection, FillsTheCoveredPartOfItsRunAndLaterSectionsFollowIt)
{
    const auto [section, size] = GetParam();
    const int start = kSectionStart[section];
    const int standard = kSectionSize[section];
    Bytes bytes = PokedFileBytes();
    if (size > standard)
        bytes.insert(bytes.begin() + start + standard, static_cast<std::size_t>(size - standard), 0xEE);
    else
        bytes.erase(bytes.begin() + start + size, bytes.begin() + start + standard);
    Put32(bytes, 4 * section, size);
    const int covered = std::min(size, standard);
    ExpectFieldsRead(bytes, [&](const probes::FieldProbe& f) {
        return probes::SectionOf(f.Offset) != section || f.Offset - start + Width(f) <= covered;
    });
}

INSTANTIATE_TEST_SUITE_P(Sizes, ResizedSection,
                         ::testing::Values(Resize{0, 12}, Resize{1, 60}, Resize{1, 50}, Resize{2, 2},
                                           Resize{3, 53}, Resize{3, 30}, Resize{4, 10}, Resize{5, 6},
                                           Resize{6, 200}, Resize{6, 40}, Resize{6, 0}, Resize{7, 9},
                                           Resize{7, 4}));

struct Malformed {
    const char* Name;
    std::function<void(Bytes&)> Damage;
    const char* Fault;
};

class MalformedFile : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedFile, IsRefusedWithItsSentenceAndChangesNothing)
{
    const Malformed& c = GetParam();
    const fs::path file = ScratchFolder() / "project.QX8";
    Bytes bytes = PokedFileBytes();
    c.Damage(bytes);
    qx::WriteFileAtomically(file, bytes);

    const TqxProject07 fresh;
    TqxProject07 p;
    try {
        qx::ReadProjectBinaryFile(file, p);
        FAIL() << "the file was accepted";
    } catch (const qx::QuiltixError& e) {
        EXPECT_EQ(std::string(e.what()), "The project file \"" + file.string() + "\" " + c.Fault);
    }
    for (const auto& f : AllFields())
        EXPECT_EQ(f.Show(p), f.Show(fresh)) << f.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedFile,
    ::testing::Values(
        Malformed{"NegativeSize", [](Bytes& b) { Put32(b, 8, -4); }, "gives section 2 a negative size."},
        Malformed{"LowestSize", [](Bytes& b) { Put32(b, 28, INT_MIN); }, "gives section 7 a negative size."},
        Malformed{"NegativeSizeInBareHeader",
                  [](Bytes& b) {
                      b.resize(32);
                      Put32(b, 4, -1);
                  },
                  "gives section 1 a negative size."},
        Malformed{"HugeSize", [](Bytes& b) { Put32(b, 16, 2000000); },
                  "gives section 4 a size of 2000000 bytes, above the limit of 1 MiB."},
        Malformed{"JustAboveTheLimit", [](Bytes& b) { Put32(b, 12, 1048577); },
                  "gives section 3 a size of 1048577 bytes, above the limit of 1 MiB."},
        Malformed{"LimitBeyondTheEnd", [](Bytes& b) { Put32(b, 12, 1048576); },
                  "gives section 3 a size of 1048576 bytes, which runs beyond the end of the file."},
        Malformed{"OneByteTooManyAtTheEnd", [](Bytes& b) { Put32(b, 28, 9); },
                  "gives section 7 a size of 9 bytes, which runs beyond the end of the file."},
        Malformed{"EmptySectionClaimingBytes", [](Bytes& b) { Put32(b, 0, 400); },
                  "gives section 0 a size of 400 bytes, which runs beyond the end of the file."}),
    [](const ::testing::TestParamInfo<Malformed>& row) { return std::string(row.param.Name); });

TEST(ProjectBinaryFile, UnreadableFileIsNamed)
{
    const fs::path file = ScratchFolder() / "missing.QX8";
    TqxProject07 p;
    try {
        qx::ReadProjectBinaryFile(file, p);
        FAIL() << "a missing file was read";
    } catch (const qx::QuiltixError& e) {
        EXPECT_EQ(std::string(e.what()), "The file \"" + file.string() + "\" cannot be opened for reading.");
    }
}
