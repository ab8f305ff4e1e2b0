#include "imaging/ImageFunctions.h"

#include "common/FileIO.h"
#include "common/QuiltixError.h"
#include "imaging/BmpCodec.h"

#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace qx;

namespace {

fs::path FreshFolder()
{
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const fs::path dir =
        fs::temp_directory_path() / ("qx_imagefunctions_" + test + "_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

void WriteBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes)
{
    WriteFileAtomically(file, std::span<const std::uint8_t>(bytes));
}

std::vector<std::uint8_t> FlatJpeg(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.insert(pixels.end(), {r, g, b});
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    const int status = tjCompress2(handle, pixels.data(), width, 0, height, TJPF_RGB, &jpeg, &size, TJSAMP_444, 95, 0);
    std::vector<std::uint8_t> bytes(jpeg, jpeg + (status == 0 ? size : 0));
    tjFree(jpeg);
    tjDestroy(handle);
    EXPECT_EQ(status, 0);
    return bytes;
}

TBitmap32 MarkedBitmap()
{
    TBitmap32 bitmap(3, 2);
    bitmap.Clear(Color32(1, 2, 3, 4));
    bitmap.SetPixel(2, 1, Color32(9, 9, 9, 9));
    bitmap.Resampler = TResampler::Lanczos;
    return bitmap;
}

} // namespace

TEST(ImageFunctionsFiles, DetectImageTypeReadsBothEndsOfTheFile)
{
    const fs::path dir = FreshFolder();
    const struct {
        const char* Name;
        std::vector<std::uint8_t> Bytes;
        TImageType Type;
    } cases[] = {
        {"jpeg", {0xFF, 0xD8, 0x00, 0x11, 0xFF, 0xD9}, TImageType::Jpeg},
        {"jpeg_smallest", {0xFF, 0xD8, 0xFF, 0xD9}, TImageType::Jpeg},
        {"jpeg_trailing_byte", {0xFF, 0xD8, 0x00, 0x11, 0xFF, 0xD9, 0x00}, TImageType::Other},
        {"jpeg_unterminated", {0xFF, 0xD8, 0x00, 0x11}, TImageType::Other},
        {"bmp", {'B', 'M', 0x00, 0x01}, TImageType::Bmp},
        {"bmp_ending_like_jpeg", {'B', 'M', 0xFF, 0xD9}, TImageType::Bmp},
        {"bmp_only_signature", {'B', 'M'}, TImageType::Bmp},
        {"lowercase_bm", {'b', 'm', 0x00, 0x01}, TImageType::Other},
        {"one_byte", {'B'}, TImageType::Other},
        {"empty", {}, TImageType::Other},
    };
    for (const auto& c : cases) {
        WriteBytes(dir / c.Name, c.Bytes);
        EXPECT_EQ(DetectImageType(dir / c.Name), c.Type) << c.Name;
    }
    EXPECT_EQ(DetectImageType(dir / "missing.jpg"), TImageType::Other);
    EXPECT_EQ(DetectImageType(dir), TImageType::Other);
}

TEST(ImageFunctionsFiles, FileOfNoKnownTypeLeavesTheBitmapAsItWas)
{
    const fs::path dir = FreshFolder();
    WriteBytes(dir / "text.jpg", {'h', 'e', 'l', 'l', 'o'});
    for (const fs::path& file : {dir / "text.jpg", dir / "missing.bmp"}) {
        TBitmap32 plain = MarkedBitmap();
        TBitmap32 scaled = MarkedBitmap();
        LoadImageFile(plain, file);
        LoadImageFileScaled(scaled, file, 64, 64);
        for (const TBitmap32* b : {&plain, &scaled}) {
            ASSERT_EQ(b->Width(), 3);
            ASSERT_EQ(b->Height(), 2);
            EXPECT_EQ(b->Pixel(0, 0), Color32(1, 2, 3, 4));
            EXPECT_EQ(b->Pixel(2, 1), Color32(9, 9, 9, 9));
            EXPECT_EQ(b->Resampler, TResampler::Lanczos);
        }
    }
}

TEST(ImageFunctionsFiles, BmpLoadsAtFullSizeAndKeepsTheBitmapSettings)
{
    const fs::path dir = FreshFolder();
    TBitmap32 picture(5, 3);
    picture.Clear(Color32(200, 10, 20));
    picture.SetPixel(4, 0, Color32(1, 2, 3));
    SaveBmp32(dir / "p.bmp", picture);
    for (const bool scaledLoad : {false, true}) {
        TBitmap32 loaded = MarkedBitmap();
        if (scaledLoad)
            LoadImageFileScaled(loaded, dir / "p.bmp", 1, 1);
        else
            LoadImageFile(loaded, dir / "p.bmp");
        ASSERT_EQ(loaded.Width(), 5);
        ASSERT_EQ(loaded.Height(), 3);
        EXPECT_EQ(loaded.Pixel(4, 0) & 0xFFFFFF, Color32(1, 2, 3) & 0xFFFFFF);
        EXPECT_EQ(loaded.Pixel(0, 2) & 0xFFFFFF, Color32(200, 10, 20) & 0xFFFFFF);
        EXPECT_EQ(loaded.Resampler, TResampler::Lanczos);
    }
}

TEST(ImageFunctionsFiles, JpegLoadsFullSizeOrAtTheSmallestScaleCoveringTheNeed)
{
    const fs::path dir = FreshFolder();
    WriteBytes(dir / "photo.jpg", FlatJpeg(320, 240, 30, 160, 220));
    TBitmap32 full;
    LoadImageFile(full, dir / "photo.jpg");
    EXPECT_EQ(full.Width(), 320);
    EXPECT_EQ(full.Height(), 240);
    EXPECT_NEAR(static_cast<int>(GreenOf(full.Pixel(100, 100))), 160, 2);

    TBitmap32 scaled;
    LoadImageFileScaled(scaled, dir / "photo.jpg", 64, 64);
    EXPECT_GE(scaled.Height(), 64);
    EXPECT_LT(scaled.Height(), 240);
    EXPECT_EQ(scaled.Width() * 3, scaled.Height() * 4);
    EXPECT_NEAR(static_cast<int>(BlueOf(scaled.Pixel(10, 10))), 220, 2);
}

TEST(ImageFunctionsFiles, DecoderErrorInAFileOfTheRightSignatureIsRaised)
{
    const fs::path dir = FreshFolder();
    WriteBytes(dir / "broken.jpg", {0xFF, 0xD8, 0x12, 0x34, 0x56, 0xFF, 0xD9});
    WriteBytes(dir / "broken.bmp", {'B', 'M', 0x01, 0x02});
    for (const char* name : {"broken.jpg", "broken.bmp"}) {
        TBitmap32 bitmap;
        EXPECT_THROW(LoadImageFile(bitmap, dir / name), QuiltixError) << name;
        EXPECT_THROW(LoadImageFileScaled(bitmap, dir / name, 64, 64), QuiltixError) << name;
    }
}

TEST(ImageFunctionsFiles, HeaderSizeReadMatchesTheDecodedPicture)
{
    const fs::path dir = FreshFolder();
    const std::pair<int, int> sizes[] = {{320, 240}, {1, 1}, {17, 203}, {1001, 9}};
    for (const auto& [w, h] : sizes) {
        const std::string name = std::to_string(w) + "x" + std::to_string(h);
        WriteBytes(dir / (name + ".jpg"), FlatJpeg(w, h, 10, 20, 30));
        TBitmap32 picture(w, h);
        SaveBmp24(dir / (name + ".bmp"), picture);
        for (const fs::path& file : {dir / (name + ".jpg"), dir / (name + ".bmp")}) {
            TBitmap32 decoded;
            LoadImageFile(decoded, file);
            const std::optional<TImageSize> size = ReadImageFileSize(file);
            ASSERT_TRUE(size.has_value()) << file;
            EXPECT_EQ(*size, (TImageSize{decoded.Width(), decoded.Height()})) << file;
            EXPECT_EQ(*size, (TImageSize{w, h})) << file;
        }
    }
    WriteBytes(dir / "text.jpg", {'h', 'e', 'l', 'l', 'o'});
    EXPECT_EQ(ReadImageFileSize(dir / "text.jpg"), std::nullopt);
    EXPECT_EQ(ReadImageFileSize(dir / "missing.bmp"), std::nullopt);
}

TEST(ImageFunctionsFiles, HeaderSizeReadRefusesABadHeaderWithTheDecodersSentence)
{
    const fs::path bad = fs::path(QX_FIXTURES_DIR) / "bad";
    for (const char* name : {"jpeg_huge_dimensions.jpg", "jpeg_too_many_megapixels.jpg", "jpeg_not_a_jpeg_body.jpg",
                             "bmp_huge_dimensions.bmp", "bmp_truncated_pixels.bmp", "bmp_palette_outside_file.bmp",
                             "bmp_offset_beyond_end.bmp", "bmp_too_short.bmp"}) {
        SCOPED_TRACE(name);
        std::string decoderSentence;
        try {
            TBitmap32 bitmap;
            LoadImageFile(bitmap, bad / name);
        } catch (const QuiltixError& e) {
            decoderSentence = e.what();
        }
        ASSERT_FALSE(decoderSentence.empty());
        try {
            ReadImageFileSize(bad / name);
            ADD_FAILURE() << "accepted";
        } catch (const QuiltixError& e) {
            EXPECT_EQ(std::string(e.what()), decoderSentence);
        }
    }
}
