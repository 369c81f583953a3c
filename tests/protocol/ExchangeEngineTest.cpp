#include "link/CommunicationError.h"
#include "link/VirtualClock.h"
#include "link/VirtualLine.h"
#include "protocol/CaptureArea.h"
#include "protocol/RadioProtocolError.h"
#include "protocol/ZIRKMessage.h"
#include "support/ScriptedPeer.h"

#include <gtest/gtest.h>

#include <array>

namespace vantrel {
namespace {

using testing::Answer;
using testing::Bytes;
using testing::zirkFrame;

// The exchange engine on virtual time, against a scripted radio. Delays in the scripts count
// from the moment the host's request has fully arrived; the host starts reading after its
// pause (110 ms for plain exchanges, 175 ms for data exchanges), so "just inside" and "just
// outside" a wait are chosen with that pause in mind.
class ExchangeEngine : public ::testing::Test {
protected:
    static ZIRKMessage request(std::uint32_t op, Bytes payload) {
        return ZIRKMessage(op, payload.data(), static_cast<std::uint32_t>(payload.size()));
    }
    static ZIRKMessage keyUp() { return request(0x19, {0x01}); }
    static Bytes serialResponse() { return zirkFrame(0x80, {0x01, '1', '2', '3', '4', '5', '6', '7', '8', '9', '0'}); }
    std::uint32_t elapsedSince(std::uint32_t start) { return clock.milliseconds() - start; }

    VirtualClock clock{1000};
    VirtualLine line{clock};
    testing::ScriptedPeer peer{line};
    VirtualLinePort port{line};
    std::array<std::uint8_t, 64> buffer{};
};

TEST_F(ExchangeEngine, PromptResponseIsCapturedWithTheAcknowledgement) {
    peer.answer(Answer::respond(serialResponse(), 2));
    ZIRKMessage m = request(0x23, {0x01});
    m.transactData(port, buffer);
    EXPECT_EQ(m.attempts(), 1u);
    EXPECT_TRUE(captureArea().hasCapturedResponse());
    EXPECT_EQ(captureArea().echoLength(), 4u);
    const Bytes expected = serialResponse();
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + expected.size()), expected);
    // The capture area holds the echo, then the acknowledgement, then the response.
    EXPECT_EQ(captureArea().byte(0), 0xF2);
    EXPECT_EQ(captureArea().byte(4), 0x50);
}

TEST_F(ExchangeEngine, CaptureWindowAfterABareAcknowledgementIs10250Ticks) {
    // Just inside the window: captured. Just outside: read as a late response. Either way the
    // caller gets the same bytes. Only what has arrived when the capture begins is taken, so
    // the mid-window response comes as one burst.
    peer.answer(Answer::ackOnly().then(serialResponse(), 10300, 0));
    request(0x23, {0x01}).transactData(port, buffer);
    EXPECT_TRUE(captureArea().hasCapturedResponse());
    const Bytes captured(buffer.begin(), buffer.begin() + 14);

    buffer.fill(0);
    peer.answer(Answer::respond(serialResponse(), 10500));
    request(0x23, {0x01}).transactData(port, buffer);
    EXPECT_FALSE(captureArea().hasCapturedResponse());
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 14), captured);
}

TEST_F(ExchangeEngine, BareAcknowledgementAloneCostsTheWholeWindowAndStillSucceeds) {
    peer.answer(Answer::ackOnly());
    const std::uint32_t start = clock.milliseconds();
    ZIRKMessage m = keyUp();
    m.transact(port);
    EXPECT_EQ(m.attempts(), 1u);
    // 110 ms pause, the 10250-tick capture window, then the 250-tick late-response wait.
    EXPECT_GE(elapsedSince(start), 110u + 10250u + 250u);
    EXPECT_LE(elapsedSince(start), 110u + 10250u + 250u + 20u);
}

TEST_F(ExchangeEngine, ResetNeverWaitsForAResponseNorChecksItsLength) {
    // Stray bytes behind the reset's acknowledgement would fail any other request's capture.
    peer.answer(Answer::ackOnly().then(Bytes{0xF4, 0x8A, 0x01}, 1));
    const std::uint32_t start = clock.milliseconds();
    ZIRKMessage reset = request(0x10, {});
    ASSERT_EQ(Bytes(reset.data(), reset.data() + reset.size()), (Bytes{0xF1, 0x10, 0xFE}));
    reset.transact(port);
    EXPECT_EQ(reset.attempts(), 1u);
    EXPECT_LT(elapsedSince(start), 1000u);
}

TEST_F(ExchangeEngine, AcknowledgementMustComeWithin250IdleTicks) {
    peer.answer(Answer{}.then(Bytes{0x50}, 300).then(serialResponse(), 1, 0));
    request(0x23, {0x01}).transactData(port, buffer);
    EXPECT_EQ(peer.frames().size(), 1u);

    // Silent after the echo: each attempt ends in BadReply after the 250-tick wait.
    peer.otherwise(Answer::silence());
    const std::uint32_t start = clock.milliseconds();
    ZIRKMessage m = keyUp();
    EXPECT_THROW(m.transact(port), BadReply);
    EXPECT_EQ(m.attempts(), 4u);
    EXPECT_EQ(peer.frames().size(), 5u);
    const std::uint32_t perAttempt = elapsedSince(start) / 4;
    EXPECT_GE(perAttempt, 110u + 250u);
    EXPECT_LE(perAttempt, 110u + 250u + 20u);
}

TEST_F(ExchangeEngine, MissingEchoFailsAfterTenIdleTicksFourTimes) {
    line.setEchoEnabled(false);
    peer.otherwise(Answer::silence());
    const std::uint32_t start = clock.milliseconds();
    ZIRKMessage m = keyUp();
    try {
        m.transact(port);
        FAIL() << "an exchange without echo succeeded";
    } catch (const TimeoutOnReceive& e) {
        EXPECT_EQ(e.code(), 6014);
    }
    EXPECT_EQ(m.attempts(), 4u);
    EXPECT_EQ(peer.frames().size(), 4u);
    // The first echo wait starts after the 110 ms pause and gives up after 10 idle ticks.
    const std::uint32_t perAttempt = elapsedSince(start) / 4;
    EXPECT_LE(perAttempt, 110u + 4u + 12u);
}

TEST_F(ExchangeEngine, RefusalIsRepeatedUpToFourAttempts) {
    peer.answer(Answer::refusal(), 3).answer(Answer::respond(serialResponse()));
    ZIRKMessage recovered = request(0x23, {0x01});
    recovered.transactData(port, buffer);
    EXPECT_EQ(recovered.attempts(), 4u);
    EXPECT_EQ(buffer[1], 0x80);

    peer.otherwise(Answer::refusal());
    ZIRKMessage refused = keyUp();
    try {
        refused.transact(port);
        FAIL() << "a refused request succeeded";
    } catch (const MessageNotAcknowledged& e) {
        EXPECT_EQ(e.code(), 6203);
    }
    EXPECT_EQ(refused.attempts(), 4u);
    EXPECT_EQ(peer.frames().size(), 8u);
}

TEST_F(ExchangeEngine, UnsupportedLateResponseIsNotRepeated) {
    peer.otherwise(Answer::framedAckThen(zirkFrame(0x86, {0x23})));
    ZIRKMessage m = request(0x23, {0x0E});
    EXPECT_THROW(m.transactData(port, buffer), UnsupportedMessage);
    EXPECT_EQ(m.attempts(), 1u);
    EXPECT_EQ(peer.frames().size(), 1u);
}

TEST_F(ExchangeEngine, ResponseCutShortIsCommErrorWithoutRepetition) {
    // The length nibble promises five bytes behind the header; only four arrive with it.
    Bytes cut = zirkFrame(0x8A, {0x06, 0x01, 0x02, 0x03});
    cut.pop_back();
    peer.otherwise(Answer::respond(cut));
    ZIRKMessage m = request(0x20, {0x06, 0x00, 0x00});
    EXPECT_THROW(m.transactData(port, buffer), CommError);
    EXPECT_EQ(m.attempts(), 1u);
}

TEST_F(ExchangeEngine, ResponseStillArrivingWhenTheCaptureBeginsIsCountedShort) {
    // Begins 160 ms after the request, one byte every 3 ms: still arriving when the host
    // looks behind the acknowledgement after its 175 ms pause.
    peer.otherwise(Answer::ackOnly().then(serialResponse(), 160, 3));
    ZIRKMessage m = request(0x23, {0x01});
    EXPECT_THROW(m.transactData(port, buffer), CommError);
}

TEST_F(ExchangeEngine, SlowButSteadyLateResponseNeverTimesOut) {
    // One byte every 2 seconds: 28 seconds in all, far beyond the 20000-tick idle limit,
    // but never idle for that long.
    peer.otherwise(Answer::framedAckThen(serialResponse()).then(Bytes{}, 1));
    peer.answer(Answer{}.then(Bytes{0x51, 0xAE}).then(serialResponse(), 1, 2000));
    const std::uint32_t start = clock.milliseconds();
    ZIRKMessage m = request(0x23, {0x01});
    m.transactData(port, buffer);
    EXPECT_EQ(m.attempts(), 1u);
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 14), serialResponse());
    EXPECT_GT(elapsedSince(start), 20000u);
}

TEST_F(ExchangeEngine, WrongChecksumOnTheAcknowledgementIsBadReplyAndRepeated) {
    peer.answer(Answer{}.then(Bytes{0x51, 0x00}), 4);
    ZIRKMessage m = keyUp();
    EXPECT_THROW(m.transact(port), BadReply);
    EXPECT_EQ(m.attempts(), 4u);
}

// The pause after a failed attempt is counted from the start of the echo wait: an echo that
// was slow to come has already used up part of it.
TEST_F(ExchangeEngine, PacingAfterABadReplyCountsTheTimeTheEchoTook) {
    line.setEchoEnabled(false);
    const Bytes echo = zirkFrame(0x19, {0x01});
    struct Case {
        std::uint32_t echoDelay;
        std::uint32_t perAttempt;
    };
    // The radio's echo and its broken acknowledgement come at once, `echoDelay` after the
    // request. An echo already there when the host starts waiting leaves the whole pause to
    // wait; one that comes a tick late leaves a tick less.
    for (const Case c : {Case{104, 121}, Case{108, 120}}) {
        SCOPED_TRACE(c.echoDelay);
        Bytes reply = echo;
        reply.insert(reply.end(), {0x51, 0x00});  // an acknowledgement with a wrong checksum
        peer.answer(Answer{}.then(reply, c.echoDelay, 0), 4);
        const std::uint32_t start = clock.milliseconds();
        ZIRKMessage m = keyUp();
        EXPECT_THROW(m.transact(port), BadReply);
        EXPECT_EQ(m.attempts(), 4u);
        EXPECT_EQ(elapsedSince(start), 4 * c.perAttempt);
    }
}

TEST_F(ExchangeEngine, ConnectionStaysUsableAfterAFailure) {
    peer.answer(Answer::silence(), 4).answer(Answer::respond(serialResponse()));
    EXPECT_THROW(keyUp().transact(port), BadReply);
    request(0x23, {0x01}).transactData(port, buffer);
    EXPECT_EQ(buffer[1], 0x80);
}

TEST_F(ExchangeEngine, RequestLongerThanTheCaptureAreaIsRefusedBeforeSending) {
    const Bytes tooLong(CaptureArea::kLongestRequest, 0);  // frame of 4 + 48 + 1 bytes
    ZIRKMessage m = request(0x17, tooLong);
    try {
        m.transact(port);
        FAIL() << "an over-long request was sent";
    } catch (const RequestTooLong& e) {
        EXPECT_EQ(e.code(), 6204);
    }
    EXPECT_EQ(m.attempts(), 1u);
    EXPECT_TRUE(line.sentByHost().empty());

    // The longest request the radio ever gets, a 38-byte memory write, still fits.
    peer.answer(Answer::respond(zirkFrame(0x84, {0, 0, 0})));
    request(0x17, Bytes(41, 0)).transact(port);
}

TEST_F(ExchangeEngine, LongFormResponseIsCapturedAndMeasuredByItsLengthField) {
    Bytes payload(20, 0x11);
    peer.answer(Answer::respond(zirkFrame(0x80, payload)));
    request(0x11, {20, 0, 0, 0}).transactData(port, buffer);
    EXPECT_EQ(buffer[0], 0xFF);
    EXPECT_EQ(buffer[1], 0x80);
    EXPECT_EQ(buffer[3], 21);
}

TEST(WaitForBytes, IdleLimitBoundsTheTimeWithoutProgress) {
    VirtualClock clock;
    VirtualLine line(clock);
    VirtualLinePort port(line);
    line.sendToHost({1, 2, 3}, 5, 5);
    EXPECT_NO_THROW(port.waitForBytes(3, 10));
    EXPECT_EQ(port.waitForBytes(0, 0), 0u);

    const std::uint32_t start = clock.milliseconds();
    VirtualLinePort silent(line);
    silent.purgeReceive();
    EXPECT_THROW(silent.waitForBytes(1, 10), TimeoutOnReceive);
    EXPECT_GE(clock.milliseconds() - start, 10u);
    EXPECT_LE(clock.milliseconds() - start, 12u);
}

}  // namespace
}  // namespace vantrel
