#include "SimFixture.h"

namespace vantrel::sim::testing {
namespace {

class SimResponder : public SimLineTest {
protected:
    void SetUp() override { useProfile("portable-v1.json"); }
};

TEST_F(SimResponder, SerialNumberRequestGetsEchoThenAcknowledgementThenResponseAsOneBurst) {
    const Returned r = send(request::kSerialNumber);
    EXPECT_EQ(r.echo, request::kSerialNumber);
    ASSERT_EQ(r.frames.size(), 2u);
    EXPECT_EQ(r.frames[0], Bytes{0x50});
    const Bytes expected{0xFC, 0xA3, 0x01, '7', '8', '1', 'T', 'K', 'A', '0', '1', '0', '1', 0x1D};
    EXPECT_EQ(r.frames[1], expected);
    EXPECT_TRUE(r.partial.empty());
    // Echo 1..4 ms, the acknowledgement 3 ms after the last request byte, the response behind
    // it without a gap.
    EXPECT_EQ(r.heard.at(3).at, 4u);
    EXPECT_EQ(r.timeAfterEcho(0), 7u);
    for (std::size_t k = 1; k <= expected.size(); ++k) EXPECT_EQ(r.timeAfterEcho(k), 7u + k);
}

TEST_F(SimResponder, IdentityRepliesPlaceTheirFieldsWhereTheHostReadsThem) {
    const Bytes model = respond(0x23, {0x00});
    ASSERT_EQ(model.size(), 22u);  // four-byte header: 17 payload bytes
    EXPECT_EQ((Bytes{model[0], model[1], model[2], model[3], model[4]}), (Bytes{0xFF, 0xA3, 0x00, 0x12, 0x00}));
    EXPECT_EQ(Bytes(model.begin() + 5, model.begin() + 21), textBytes("H25K416CA1AB120 "));
    EXPECT_EQ(payloadOf(model).size(), 17u);

    const Bytes ic = respond(0x23, {0x0E});
    EXPECT_EQ(Bytes(ic.begin() + 3, ic.begin() + 7), (Bytes{1, 2, 3, 4}));
    const Bytes status = respond(0x23, {0x05});
    EXPECT_EQ(status, buildFrame(0xA3, {0x05, 0x00}));
}

TEST_F(SimResponder, ReadTuneReplyLaysOutTheFrequencyPlan) {
    useProfile("mobile-v2.json");
    const Bytes plan = respond(0x1B, {0x00});
    ASSERT_EQ(plan.size(), 45u);  // exactly what the host's capture area can hold behind a 4-byte request
    EXPECT_EQ((Bytes{plan[0], plan[1], plan[2], plan[3]}), (Bytes{0xFF, 0x9B, 0x00, 0x29}));
    EXPECT_EQ(readBigEndian(&plan[4], 2), 5480u);
    EXPECT_EQ(plan[6], 7);
    const std::uint32_t tx[] = {200, 1400, 2600, 3800, 5000, 6200, 7395};
    const std::uint32_t rx[] = {180, 1380, 2580, 3780, 4980, 6180, 7380};
    for (std::size_t n = 0; n < 7; ++n) {
        EXPECT_EQ(readBigEndian(&plan[8 + 2 * n], 2), tx[n]);
        EXPECT_EQ(readBigEndian(&plan[24 + 2 * n], 2), rx[n]);
    }
    EXPECT_EQ((Bytes{plan[40], plan[41], plan[42], plan[43]}), (Bytes{100, 120, 2, 120}));
    payloadOf(plan);
}

TEST_F(SimResponder, ResetIsAcknowledgedWithNothingBehindAndReturnsTheRadioToNormal) {
    send(request::kKeyUp);
    send(request::testMode(1, 2, 2));
    send(request::channel(1400, 1380));
    send(request::softpotWrite(3, 2, {0x50}));
    ASSERT_EQ(radio->model().softpots().live(3, 1), 0x50u);

    const Returned r = send(request::kReset, 12000);
    EXPECT_EQ(r.echo, request::kReset);
    EXPECT_EQ(r.frames, (std::vector<Bytes>{{0x50}}));
    EXPECT_TRUE(r.partial.empty());
    EXPECT_EQ(radio->model().state(), RadioState{});
    EXPECT_EQ(radio->model().softpots().live(3, 1), 31u);
    EXPECT_EQ(radio->model().resetCount(), 1u);
}

TEST_F(SimResponder, UnknownDamagedAndMalformedRequests) {
    // Unknown: acknowledged, then 0x86 naming the request's first payload byte.
    EXPECT_EQ(respond(0x30, {0x07}), buildFrame(0x86, {0x07}));
    // A softpot the radio lacks, and an identity selector it does not know.
    EXPECT_EQ(respond(0x20, {0x40, 0, 0}), buildFrame(0x86, {0x40}));
    EXPECT_EQ(respond(0x23, {0x09}), buildFrame(0x86, {0x09}));
    // Damaged on the way: refused.
    Bytes damaged = request::kSerialNumber;
    damaged.back() ^= 0x01;
    EXPECT_EQ(send(damaged).frames, (std::vector<Bytes>{{0x61, 0x9E}}));
    // Malformed: a channel request must start with 0, a key request is up or down.
    EXPECT_EQ(send(0x21, {0x01, 0x05, 0x78}).frames, (std::vector<Bytes>{{0x61, 0x9E}}));
    EXPECT_EQ(send(0x19, {0x02}).frames, (std::vector<Bytes>{{0x61, 0x9E}}));
    EXPECT_FALSE(radio->model().state().channel);
}

TEST_F(SimResponder, ABrokenOffRequestIsForgottenAfterTheInterByteTimeout) {
    line.hostSend(0xF2);
    line.hostSend(0x23);
    clock.advance(RequestAssembler::kInterByteTimeoutMs + 5);
    std::uint8_t echoOfTheFragment[2];
    ASSERT_EQ(line.hostReceive(echoOfTheFragment, 2), 2u);
    const Returned r = send(request::kSerialNumber);
    ASSERT_EQ(r.frames.size(), 2u);
    EXPECT_EQ(r.frames[1][1], 0xA3);
    EXPECT_EQ(radio->log().size(), 1u);
}

}  // namespace
}  // namespace vantrel::sim::testing
