#include "common/ByteIO.h"
#include "common/FileIO.h"
#include "common/QuiltixError.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

fs::path FreshFolder(const std::string& name)
{
    fs::path dir = fs::temp_directory_path() / ("qx_common_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

} // namespace

TEST(FileIO, AtomicWriteReplacesWholeFileAndLeavesNoTemporary)
{
    const fs::path dir = FreshFolder("atomic");
    const fs::path file = dir / "a.bin";
    qx::WriteFileAtomically(file, std::string_view("first version, longer"));
    qx::WriteFileAtomically(file, std::string_view("second"));
    const auto bytes = qx::ReadWholeFile(file);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST(FileIO, UncommittedWriterKeepsOldFile)
{
    const fs::path dir = FreshFolder("uncommitted");
    const fs::path file = dir / "keep.txt";
    qx::WriteFileAtomically(file, std::string_view("old"));
    {
        qx::AtomicFileWriter writer(file);
        const std::uint8_t partial[] = {'n', 'e'};
        writer.Write(partial);
    }
    const auto bytes = qx::ReadWholeFile(file);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST(FileIO, MissingFilesAndFoldersAreNamedInTheError)
{
    const fs::path dir = FreshFolder("missing");
    try {
        qx::ReadWholeFile(dir / "nothing.bin");
        FAIL();
    } catch (const qx::QuiltixError& e) {
        EXPECT_EQ(std::string(e.what()), "The file \"" + (dir / "nothing.bin").string() +
                                             "\" cannot be opened for reading.");
    }
    EXPECT_THROW(qx::WriteFileAtomically(dir / "no" / "such" / "x.bin", std::string_view("x")),
                 qx::QuiltixError);
}

TEST(ByteIO, RoundTripIsLittleEndianAndOverrunIsFlagged)
{
    qx::ByteWriter w;
    w.I32(-2);
    w.U16(0x1234);
    w.Bool(true);
    w.F64(0.5);
    ASSERT_EQ(w.Size(), 15u);
    EXPECT_EQ(w.Data()[0], 0xFE);
    EXPECT_EQ(w.Data()[4], 0x34);
    qx::ByteReader r(w.Data());
    EXPECT_EQ(r.I32(), -2);
    EXPECT_EQ(r.U16(), 0x1234);
    EXPECT_TRUE(r.Bool());
    EXPECT_EQ(r.F64(), 0.5);
    EXPECT_FALSE(r.Overrun());
    EXPECT_EQ(r.I32(), 0);
    EXPECT_TRUE(r.Overrun());
}
