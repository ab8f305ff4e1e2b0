#include "matching/LayerWeights.h"

#include "imaging/BmpCodec.h"

#include "MatchingFixture.h"

#include <gtest/gtest.h>

namespace {

// Layer 1: a mask picture, white on the left half and black on the right;
// layer 2: enabled without a mask picture; layer 3: names a picture that
// is gone; layer 4: not enabled.
class PrepareLayerWeightsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::filesystem::path dir = MatchingScratchFolder();
        qx::TBitmap32 mask(64, 64);
        mask.Clear(qx::Color32(0, 0, 0));
        mask.FillRect(qx::TRect{0, 0, 32, 64}, qx::Color32(255, 255, 255));
        qx::SaveBmp32(dir / "half.bmp", mask);

        for (int k = 1; k <= 3; ++k)
            pattern_.Layer(k).Enabled = true;
        pattern_.Layer(1).HasMaskImage = true;
        pattern_.Layer(1).MaskImageFile = dir / "half.bmp";
        pattern_.Layer(3).HasMaskImage = true;
        pattern_.Layer(3).MaskImageFile = dir / "gone.bmp";
        for (auto& v : weights_)
            v.fill(0.25f);
    }

    float Block(int layer, int r, int c) const
    {
        return weights_[static_cast<std::size_t>(layer)][static_cast<std::size_t>(21 + 8 * r + c)];
    }

    qx::TQXPattern pattern_;
    qx::TLayerWeights weights_{};
};

TEST_F(PrepareLayerWeightsTest, MaskBrightnessWeighsEachBlock)
{
    qx::PrepareLayerWeights(pattern_, weights_);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            EXPECT_EQ(Block(1, r, c), c < 4 ? 1.0f : 0.0f) << r << "," << c;
}

TEST_F(PrepareLayerWeightsTest, EnabledLayersWithoutAPictureWeighEveryBlockFully)
{
    qx::PrepareLayerWeights(pattern_, weights_);
    for (int layer : {2, 3})
        for (int b = 0; b < 64; ++b)
            EXPECT_EQ(Block(layer, b / 8, b % 8), 1.0f) << "layer " << layer << " block " << b;
}

TEST_F(PrepareLayerWeightsTest, LayersNotEnabledKeepTheirWeights)
{
    qx::PrepareLayerWeights(pattern_, weights_);
    for (int layer : {0, 4, 5, 6, 7})
        for (float w : weights_[static_cast<std::size_t>(layer)])
            EXPECT_EQ(w, 0.25f) << "layer " << layer;
}

} // namespace
