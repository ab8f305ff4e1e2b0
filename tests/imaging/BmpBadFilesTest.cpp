#include "common/QuiltixError.h"
#include "imaging/BmpCodec.h"
#include "imaging/JpegCodec.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

struct TBadFileCase {
    const char* File;
    // The sentence with {} where the quoted path goes.
    const char* Sentence;
};

void PrintTo(const TBadFileCase& c, std::ostream* os)
{
    *os << c.File;
}

std::string Expected(const TBadFileCase& c, const fs::path& path)
{
    std::string sentence = c.Sentence;
    sentence.replace(sentence.find("{}"), 2, "\"" + path.string() + "\"");
    return sentence;
}

void ExpectRefused(const TBadFileCase& c, qx::TBitmap32 (*load)(const fs::path&))
{
    const fs::path path = fs::path(QX_FIXTURES_DIR) / "bad" / c.File;
    ASSERT_TRUE(fs::exists(path)) << path;
    try {
        load(path);
        ADD_FAILURE() << c.File << " was accepted";
    } catch (const qx::QuiltixError& e) {
        EXPECT_EQ(std::string(e.what()), Expected(c, path));
    }
}

class BadBmpFile : public testing::TestWithParam<TBadFileCase> {};
class BadJpegFile : public testing::TestWithParam<TBadFileCase> {};

TEST_P(BadBmpFile, IsRefusedWithItsSentence)
{
    ExpectRefused(GetParam(), qx::LoadBmpFile);
}

TEST_P(BadJpegFile, IsRefusedWithItsSentence)
{
    ExpectRefused(GetParam(), [](const fs::path& p) { return qx::LoadJpegFile(p); });
}

const TBadFileCase kBadBmpFiles[] = {
    {"bmp_too_short.bmp", "The BMP file {} is too short to hold the BMP headers: it has only 10 bytes."},
    {"bmp_bad_signature.bmp", "The BMP file {} does not start with the signature \"BM\"."},
    {"bmp_header_too_short.bmp", "The BMP file {} is truncated: its headers need 54 bytes but only 30 are present."},
    {"bmp_unsupported_header_size.bmp", "The BMP file {} has an unsupported info header size of 20 bytes."},
    {"bmp_bitfields_masks_missing.bmp",
     "The BMP file {} is truncated: its headers need 66 bytes but only 58 are present."},
    {"bmp_zero_width.bmp", "The BMP file {} has an invalid width of 0 pixels."},
    {"bmp_negative_width.bmp", "The BMP file {} has an invalid width of -3 pixels."},
    {"bmp_zero_height.bmp", "The BMP file {} has an invalid height of 0 pixels."},
    {"bmp_huge_dimensions.bmp",
     "The BMP file {} claims 40000 x 10 pixels, more than the limit of 32768 pixels a side."},
    {"bmp_too_many_megapixels.bmp",
     "The BMP file {} claims 20000 x 20000 pixels, more than the limit of 200 megapixels."},
    {"bmp_two_planes.bmp", "The BMP file {} has 2 colour planes instead of 1."},
    {"bmp_bad_bitcount.bmp",
     "The BMP file {} has an unsupported format: 7 bits per pixel with compression type 0."},
    {"bmp_rle8_with_24_bits.bmp",
     "The BMP file {} has an unsupported format: 24 bits per pixel with compression type 1."},
    {"bmp_top_down_rle.bmp", "The BMP file {} is stored top-down with RLE compression, which bitmaps do not allow."},
    {"bmp_noncontiguous_mask.bmp",
     "The BMP file {} has a red bit mask 0x0000F00F that is not one run of contiguous bits."},
    {"bmp_mask_too_wide.bmp", "The BMP file {} has a red bit mask 0x00FF0000 that does not fit in 16 bits per pixel."},
    {"bmp_palette_outside_file.bmp",
     "The BMP file {} is truncated: its palette needs 1024 bytes from byte 54 but the file has only 154 bytes."},
    {"bmp_offset_beyond_end.bmp",
     "The BMP file {} has its pixel data offset at byte 5000, beyond the end of the file at byte 70."},
    {"bmp_offset_inside_headers.bmp",
     "The BMP file {} has its pixel data offset at byte 40, inside its headers, which end at byte 54."},
    {"bmp_truncated_pixels.bmp",
     "The BMP file {} is truncated: its pixel data needs 3072 bytes but only 100 are present."},
    {"bmp_rle8_overrun.bmp", "The BMP file {} has RLE pixel data that runs outside its 4 x 2 picture."},
    {"bmp_rle8_absolute_overrun.bmp", "The BMP file {} has RLE pixel data that runs outside its 4 x 2 picture."},
    {"bmp_rle4_delta_outside.bmp", "The BMP file {} has RLE pixel data that runs outside its 4 x 2 picture."},
    {"bmp_rle8_truncated.bmp",
     "The BMP file {} is truncated: its RLE pixel data ends before the end-of-bitmap code."},
    {"bmp_rle8_absolute_truncated.bmp",
     "The BMP file {} is truncated: its RLE pixel data ends before the end-of-bitmap code."},
};

const TBadFileCase kBadJpegFiles[] = {
    {"jpeg_huge_dimensions.jpg",
     "The JPEG file {} claims 40000 x 40000 pixels, more than the limit of 32768 pixels a side."},
    {"jpeg_too_many_megapixels.jpg",
     "The JPEG file {} claims 20000 x 20000 pixels, more than the limit of 200 megapixels."},
};

std::string CaseName(const testing::TestParamInfo<TBadFileCase>& info)
{
    std::string name = info.param.File;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, BadBmpFile, testing::ValuesIn(kBadBmpFiles), CaseName);
INSTANTIATE_TEST_SUITE_P(Fixtures, BadJpegFile, testing::ValuesIn(kBadJpegFiles), CaseName);

} // namespace
