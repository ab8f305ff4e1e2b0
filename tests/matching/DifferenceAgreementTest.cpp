#include "matching/CellMatcher.h"
#include "matching/DifferenceMeasures.h"
#include "matching/DifferenceReference.h"

#include "MatchingFixture.h"

#include <gtest/gtest.h>

using qx::TTileFeature;

namespace {

// The fast measures against the plain ones on random pairs: full-range
// bytes (shifts that clip), tiny ranges (many ties between arrangements),
// every flag combination and several kinds of weights.
class DifferenceAgreement : public ::testing::Test {
protected:
    std::mt19937 rng_{2024};

    TTileFeature Feature(int pair)
    {
        return RandomFeature(rng_, pair % 3 == 0 ? 3u : 255u);
    }

    qx::TWeightVector WeightsOfKind(int kind)
    {
        qx::TWeightVector w;
        std::uniform_int_distribution<int> grey(0, 255);
        std::uniform_real_distribution<float> any(0.0f, 1.0f);
        for (float& x : w) {
            switch (kind) {
            case 0:
                x = 0.0f;
                break;
            case 1:
                x = 1.0f;
                break;
            case 2:
                x = static_cast<float>(grey(rng_)) / 255.0f;
                break;
            default:
                x = grey(rng_) % 2 == 0 ? 1.0f : any(rng_);
            }
        }
        return w;
    }

    qx::TCurveTable RandomTable()
    {
        std::uniform_int_distribution<int> value(0, 255);
        qx::TCurveTable t;
        for (auto& e : t)
            e = value(rng_);
        return t;
    }
};

TEST_F(DifferenceAgreement, FastMeasuresEqualThePlainOnes)
{
    std::uniform_int_distribution<int> percent(0, 100);
    for (int pair = 0; pair < 2000; ++pair) {
        const TTileFeature photo = Feature(pair);
        const TTileFeature cell = Feature(pair);
        const qx::TCurveTable table = RandomTable();
        // Now and then a percent far above 100, whose shifts clip every block.
        const int q = pair % 10 == 0 ? 700 : percent(rng_);
        for (int flags = 0; flags < 8; ++flags) {
            const bool mono = (flags & 1) != 0;
            const bool horz = (flags & 2) != 0;
            const bool vert = (flags & 4) != 0;
            ASSERT_EQ(qx::MatchPercent(photo, cell, q, mono, horz, vert),
                      qx::ReferenceMatchPercent(photo, cell, q, mono, horz, vert))
                << "pair " << pair << " flags " << flags;
            ASSERT_EQ(qx::TCellMatcher::ForOnePhoto(photo, mono, horz, vert).Unshifted(cell),
                      qx::ReferenceMatchPercent(photo, cell, 0, mono, horz, vert))
                << "pair " << pair << " flags " << flags;
            ASSERT_EQ(qx::GridDifference(photo, cell, vert, mono, horz),
                      qx::ReferenceGridDifference(photo, cell, vert, mono, horz))
                << "pair " << pair << " flags " << flags;
            for (int kind = 0; kind < 4; ++kind) {
                const qx::TWeightVector w = WeightsOfKind(kind);
                ASSERT_EQ(qx::MatchCurve(photo, cell, vert, table, w, mono, horz),
                          qx::ReferenceMatchCurve(photo, cell, vert, table, w, mono, horz))
                    << "pair " << pair << " flags " << flags << " weights " << kind;
            }
        }
    }
}

TEST_F(DifferenceAgreement, OneMatcherServesManyPhotos)
{
    const TTileFeature cell = Feature(1);
    const qx::TWeightVector w = WeightsOfKind(2);
    const qx::TCurveTable table = RandomTable();
    const qx::TCellMatcher matcher(cell, false, true, true, w);
    for (int n = 0; n < 500; ++n) {
        const TTileFeature photo = Feature(n);
        ASSERT_EQ(matcher.Curve(photo, table), qx::ReferenceMatchCurve(photo, cell, true, table, w, false, true));
        ASSERT_EQ(matcher.Percent(photo, 40), qx::ReferenceMatchPercent(photo, cell, 40, false, true, true));
    }
}

} // namespace
