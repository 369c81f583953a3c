#include "SimFixture.h"

namespace vantrel::sim::testing {
namespace {

// The meter on the antenna socket reads the live power softpot of the keyed point times that
// point's gain (portable-v1: 52, 50, 49, 47, 46, 44, 43 mW a step).
class MeasuredOutput : public SimLineTest {
protected:
    void SetUp() override { useProfile("portable-v1.json"); }
    std::optional<double> watts() { return radio->model().measuredOutputWatts(); }
};

struct Reading {
    std::uint16_t transmit;  // the channel of the point
    std::uint8_t level;      // the test mode's power level
    Bytes live;              // a live write of softpot 0 before the reading, if any
    double watts;
};

class MeasuredOutputReading : public MeasuredOutput, public ::testing::WithParamInterface<Reading> {};

TEST_P(MeasuredOutputReading, FollowsTheLiveValueAtTheKeyedPoint) {
    const Reading& r = GetParam();
    send(request::testMode(0, r.level, 2));
    send(request::channel(r.transmit, 0));
    EXPECT_EQ(watts(), 0.0) << "nothing goes out while dekeyed";
    send(request::kKeyUp);
    if (!r.live.empty()) send(request::softpotWrite(0, 2, r.live));
    ASSERT_TRUE(watts().has_value());
    EXPECT_NEAR(*watts(), r.watts, 1e-9);
    send(request::kReset);
    EXPECT_EQ(watts(), 0.0);
}

INSTANTIATE_TEST_SUITE_P(PortableV1, MeasuredOutputReading,
                         ::testing::Values(Reading{200, 1, {}, 96 * 0.052},     // F1, its stored value
                                           Reading{200, 1, {80}, 80 * 0.052},   // F1, live
                                           Reading{2600, 1, {80}, 80 * 0.049},  // F3 has its own gain
                                           Reading{7395, 1, {127}, 127 * 0.043},
                                           Reading{1400, 2, {}, 41 * 0.050}));  // low power bank

TEST(MeasuredOutputProfile, IsOptionalAndTakesAGainPerPoint) {
    const std::string base = R"({"identity": {"modelNumber": "H25K416CA1AB120 ", "serialNumber": "781TKA0101",
        "icVersion": [1, 2, 3, 4], "powerUpStatus": 0},
        "frequencyPlan": {"bandBase": 5480, "channelSpacingMask": 7, "transmit": [200, 0, 0, 0, 0, 0, 0],
        "receive": [180, 0, 0, 0, 0, 0, 0], "dac": [0, 0], "tuningProcedureVersion": 1},
        "softpots": [])";
    EXPECT_FALSE(parseRadioProfile(base + "}").measuredOutput.has_value());
    EXPECT_THROW(parseRadioProfile(base + R"(, "measuredOutput": {"softpot": 0, "milliwattsPerStep": [1, 2, 3]}})"),
                 ProfileError);
    EXPECT_THROW(
        parseRadioProfile(base + R"(, "measuredOutput": {"softpot": 0, "wattsPerStep": [1, 2, 3, 4, 5, 6, 7]}})"),
        ProfileError);
    EXPECT_EQ(
        parseRadioProfile(base + R"(, "measuredOutput": {"softpot": 0, "milliwattsPerStep": [1, 2, 3, 4, 5, 6, 7]}})")
            .measuredOutput->milliwattsPerStep.size(),
        7u);
}

}  // namespace
}  // namespace vantrel::sim::testing
