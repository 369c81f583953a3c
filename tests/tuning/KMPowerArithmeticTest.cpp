#include "files/formatText.h"
#include "tuning/KMPowerArithmetic.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vantrel::testing {
namespace {

// K and M from two readings, as the radio's single-precision definition gives them. Several
// rows come out differently in double precision (noted), so a computation in the wrong
// precision fails here; the others sit at the edges of 0..255.
struct Readings {
    std::string p1;
    std::string p2;
    std::int32_t dac1;
    std::int32_t dac2;
    bool mobileE;
    std::optional<KMPair> expected;
};

class KMFromReadingsTest : public ::testing::TestWithParam<Readings> {};

TEST_P(KMFromReadingsTest, MatchesTheSinglePrecisionResult) {
    const Readings& r = GetParam();
    const auto pair = kmFromReadings(powerReading(r.p1), powerReading(r.p2), r.dac1, r.dac2, kmScale(r.mobileE));
    ASSERT_EQ(pair.has_value(), r.expected.has_value()) << r.p1 << " / " << r.p2;
    if (pair) {
        EXPECT_EQ(pair->k, r.expected->k);
        EXPECT_EQ(pair->m, r.expected->m);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Measurements, KMFromReadingsTest,
    ::testing::Values(
        // K centred on 128: truncated after adding 128, M rounded.
        Readings{"23.814", "34.574", 100, 150, false, KMPair{199, 50}},
        Readings{"", "", 100, 150, false, KMPair{128, 0}},
        Readings{"12.354", "23.934", 100, 150, false, KMPair{147, 69}},  // double: K 146
        Readings{"18.933", "33.654", 100, 150, false, KMPair{164, 72}},  // double: M 73
        Readings{"21.784", "30.261", 100, 150, false, KMPair{202, 42}},  // double: K 203
        Readings{"104.4484", "235.0", 100, 150, false, KMPair{128, 255}},
        Readings{"104.4484", "235.01", 100, 150, false, std::nullopt},  // M 256
        Readings{"26.214", "26.214", 100, 150, false, KMPair{255, 0}},
        Readings{"26.2144", "26.2144", 100, 150, false, std::nullopt},  // K 256
        Readings{"0", "6.656", 100, 150, false, KMPair{0, 129}},        // K -0.997 truncates to 0
        Readings{"0", "6.66", 100, 150, false, std::nullopt},           // K below -1
        // The mobile E family: K rounded, the slope the other way.
        Readings{"0.640", "0.147", 100, 120, true, KMPair{18, 52}},
        Readings{"28.143", "27.510", 100, 120, true, KMPair{35, 7}},  // double: M 8
        Readings{"1", "0", 100, 120, true, KMPair{38, 125}}, Readings{"", "", 100, 120, true, KMPair{0, 0}},
        Readings{"1", "1.1", 100, 120, true, std::nullopt},  // M below 0
        // Readings that define no line.
        Readings{"5", "-1", 100, 150, false, std::nullopt}, Readings{"nan", "1", 100, 150, false, std::nullopt},
        Readings{"5", "inf", 100, 150, false, std::nullopt}, Readings{"1e999", "1", 100, 150, false, std::nullopt},
        Readings{"4", "5", 100, 100, false, std::nullopt}, Readings{"4", "4", 100, 100, false, KMPair{178, 0}},
        Readings{"4", "4", 100, 100, true, KMPair{13, 0}}));

// What the stored K and M predict, as the boxes show it ("%1.3f").
struct Prediction {
    std::uint32_t k;
    std::uint32_t m;
    std::int32_t dac1;
    std::int32_t dac2;
    bool mobileE;
    std::string p1;
    std::string p2;
};

class PredictedPowersTest : public ::testing::TestWithParam<Prediction> {};

TEST_P(PredictedPowersTest, ShowsTheSinglePrecisionPowers) {
    const Prediction& p = GetParam();
    const PredictedPowers powers = predictedPowers(p.k, p.m, p.dac1, p.dac2, kmScale(p.mobileE));
    EXPECT_EQ(formatText("%1.3f", powers.p1), p.p1);
    EXPECT_EQ(formatText("%1.3f", powers.p2), p.p2);
}

INSTANTIATE_TEST_SUITE_P(StoredPairs, PredictedPowersTest,
                         ::testing::Values(Prediction{200, 50, 100, 150, false, "23.814", "34.574"},
                                           Prediction{201, 52, 100, 150, false, "25.000", "36.482"},
                                           Prediction{18, 52, 100, 120, true, "0.640", "0.147"},
                                           Prediction{156, 5, 100, 120, true, "613.057", "611.078"},  // double: 613.058
                                           Prediction{180, 130, 100, 120, true, "556.960", "508.953"}));

TEST(PowerReadingTest, TakesTheLeadingNumberOfAtMostNineteenCharacters) {
    EXPECT_EQ(powerReading("12.5W"), 12.5f);
    EXPECT_EQ(powerReading("  +3"), 3.0f);
    EXPECT_EQ(powerReading("abc"), 0.0f);
    EXPECT_EQ(powerReading(""), 0.0f);
    EXPECT_EQ(powerReading("0000000000000000001234"), 1.0f);  // "1234" lies beyond the 19th character
    EXPECT_EQ(powerReading("-2.5"), -2.5f);
}

TEST(KMPairTest, KIsTheHighByte) { EXPECT_EQ((KMPair{199, 50}.softpotValue()), 199u * 256 + 50); }

}  // namespace
}  // namespace vantrel::testing
