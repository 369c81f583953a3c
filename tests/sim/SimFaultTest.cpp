#include "SimFixture.h"

namespace vantrel::sim::testing {
namespace {

class SimFaults : public SimLineTest {
protected:
    void SetUp() override { useProfile("portable-v1.json"); }

    void inject(FaultKind kind, std::optional<std::uint8_t> opcode, std::optional<std::uint8_t> softpot = {},
                std::uint32_t count = 1) {
        FaultRule rule;
        rule.kind = kind;
        rule.match = RequestMatch{opcode, softpot, std::nullopt};
        rule.count = count;
        radio->inject(rule);
    }

    static const std::vector<Bytes>& refusal() {
        static const std::vector<Bytes> frames{{0x61, 0x9E}};
        return frames;
    }
    static Bytes serialResponse() { return buildFrame(0xA3, textBytes(std::string("\x01") + "781TKA0101")); }
};

TEST_F(SimFaults, ALostRequestBringsBackNothingAtAllAndChangesNothing) {
    inject(FaultKind::NoEcho, 0x19);
    EXPECT_TRUE(send(request::kKeyUp, 1000).heard.empty());
    EXPECT_FALSE(radio->model().state().keyed);
    const LoggedRequest lost = radio->log().back();
    EXPECT_EQ(lost.faults, std::vector<FaultKind>{FaultKind::NoEcho});
    EXPECT_FALSE(lost.carriedOut);

    // Used up: the next one goes through, echo and all.
    const Returned r = send(request::kKeyUp);
    EXPECT_EQ(r.echo, request::kKeyUp);
    EXPECT_EQ(r.frames.size(), 2u);
    EXPECT_TRUE(radio->model().state().keyed);
}

TEST_F(SimFaults, SilenceRefusalAndUnsupportedAnswerInsteadOfTheRadio) {
    inject(FaultKind::NoAcknowledgement, 0x23);
    Returned r = send(request::kSerialNumber, 12000);
    EXPECT_EQ(r.echo, request::kSerialNumber);
    EXPECT_EQ(r.heard.size(), request::kSerialNumber.size());

    // Refused twice for softpot 11 only; another softpot is not touched meanwhile.
    inject(FaultKind::Refuse, std::nullopt, 11, 2);
    EXPECT_EQ(send(request::softpotRead(11)).frames, refusal());
    EXPECT_EQ(send(request::softpotRead(14)).frames.size(), 2u);
    EXPECT_EQ(send(request::softpotRead(11)).frames, refusal());
    EXPECT_EQ(send(request::softpotRead(11)).frames.at(1), buildFrame(0x8A, {11, 0x01, 0x2C}));

    inject(FaultKind::Unsupported, 0x20, 3);
    send(request::channel(200, 180));
    EXPECT_EQ(send(request::softpotWrite(3, 1, {0x10})).frames, (std::vector<Bytes>{{0x50}, buildFrame(0x86, {3})}));
    EXPECT_EQ(radio->model().softpots().stored(3, 0), 30u);
}

TEST_F(SimFaults, ALateResponseComesAfterTheCaptureWindowAndASlowOneByteByByte) {
    inject(FaultKind::LateResponse, 0x23);
    Returned r = send(request::kSerialNumber, 11000);
    ASSERT_EQ(r.frames.size(), 2u);
    EXPECT_EQ(r.frames[1], serialResponse());
    EXPECT_EQ(r.timeAfterEcho(0), 7u);
    EXPECT_EQ(r.timeAfterEcho(1), 7u + FaultRule::kLateDelayMs);

    inject(FaultKind::SlowResponse, 0x23);
    r = send(request::kSerialNumber);
    ASSERT_EQ(r.frames.size(), 2u);
    EXPECT_EQ(r.frames[1], serialResponse());
    for (std::size_t k = 2; k <= serialResponse().size(); ++k) {
        EXPECT_EQ(r.timeAfterEcho(k) - r.timeAfterEcho(k - 1), FaultRule::kSlowGapMs);
    }
}

TEST_F(SimFaults, BareAcknowledgementCarriesTheRequestOutWithoutAResponse) {
    inject(FaultKind::BareAcknowledgement, 0x19);
    const Returned r = send(request::kKeyUp, 12000);
    EXPECT_EQ(r.frames, (std::vector<Bytes>{{0x50}}));
    EXPECT_TRUE(r.partial.empty());
    EXPECT_TRUE(radio->model().state().keyed);
}

TEST_F(SimFaults, DamagedResponses) {
    const Bytes good = serialResponse();
    inject(FaultKind::CorruptChecksum, 0x23);
    Returned r = send(request::kSerialNumber);
    ASSERT_EQ(r.frames.size(), 2u);
    const Bytes& corrupt = r.frames[1];
    EXPECT_EQ(Bytes(corrupt.begin(), corrupt.end() - 1), Bytes(good.begin(), good.end() - 1));
    EXPECT_NE(checksumOf(corrupt.data(), corrupt.size() - 1), corrupt.back());

    inject(FaultKind::CutShort, 0x23);
    r = send(request::kSerialNumber);
    EXPECT_EQ(r.frames, (std::vector<Bytes>{{0x50}}));
    EXPECT_EQ(r.partial, Bytes(good.begin(), good.end() - 1));
}

TEST_F(SimFaults, RefusedMemoryWriteReportsItsAddressAndWritesNothing) {
    inject(FaultKind::WriteRefused, 0x17);
    const Returned r = send(request::memoryWrite(0x0123, {1, 2, 3}));
    EXPECT_EQ(r.frames, (std::vector<Bytes>{{0x50}, buildFrame(0x85, {0x00, 0x01, 0x23})}));
    EXPECT_EQ(radio->model().readMemory(0x0123, 3), (Bytes{0xFF, 0xFF, 0xFF}));
    EXPECT_FALSE(radio->log().back().carriedOut);
}

TEST_F(SimFaults, FaultsArmedForEverLastUntilCleared) {
    inject(FaultKind::Refuse, 0x21, std::nullopt, FaultRule::kForever);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(send(request::channel(200, 180)).frames, refusal());
    radio->clearFaults();
    EXPECT_EQ(send(request::channel(200, 180)).frames.size(), 2u);
}

TEST_F(SimFaults, ProfileFaultsAreArmedFromTheStart) {
    RadioProfile profile = loadRadioProfile(profilePath("portable-v1.json"));
    FaultRule rule;
    rule.kind = FaultKind::Refuse;
    rule.match.opcode = 0x23;
    profile.faults.push_back(rule);
    useProfile(profile);
    EXPECT_EQ(send(request::kSerialNumber).frames, refusal());
    EXPECT_EQ(send(request::kSerialNumber).frames.at(1), serialResponse());
}

}  // namespace
}  // namespace vantrel::sim::testing
