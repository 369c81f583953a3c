#include "EnhancedZIRKFixture.h"

#include "link/CommunicationError.h"
#include "protocol/RadioProtocolError.h"

#include <numeric>
#include <stdexcept>

namespace vantrel {
namespace {

using MemoryExchange = EnhancedZIRKTest;

const Bytes kEmptyWrite = {0xF4, 0x17, 0x00, 0x00, 0x00, 0xF4};

Bytes counting(std::size_t n, std::uint8_t from = 1) {
    Bytes bytes(n);
    std::iota(bytes.begin(), bytes.end(), from);
    return bytes;
}

Bytes withAddress(std::uint32_t address, const Bytes& data = {}) {
    Bytes payload(3 + data.size());
    writeBigEndian(address, payload.data(), 3);
    std::copy(data.begin(), data.end(), payload.begin() + 3);
    return payload;
}

Bytes written(std::uint32_t address) { return zirkFrame(0x84, withAddress(address)); }
Bytes refused(std::uint32_t address) { return zirkFrame(0x85, withAddress(address)); }

TEST_F(MemoryExchange, ShortReadHandsBackTheRawAnswer) {
    const Bytes data = counting(32);
    const Bytes answer = zirkFrame(0x80, withAddress(0x012345, data));
    peer.answer(Answer::respond(answer));
    std::array<std::uint8_t, 64> destination{};
    zirk.readMemory(destination, 0x012345, 32);
    EXPECT_EQ(line.sentByHost(), withChecksum({0xF5, 0x11, 0x20, 0x01, 0x23, 0x45}));
    // Long header: the data start at byte 7, behind the three address bytes.
    EXPECT_TRUE(std::equal(answer.begin(), answer.end(), destination.begin()));
    EXPECT_TRUE(std::equal(data.begin(), data.end(), destination.begin() + 7));
}

TEST_F(MemoryExchange, FullBlocksAreCopiedWithoutTheirAddress) {
    EnhancedZIRK small(4);
    small.setPort(&port);
    peer.answer(Answer::respond(zirkFrame(0x80, withAddress(0x100, {1, 2, 3, 4}))))
        .answer(Answer::framedAckThen(zirkFrame(0x80, withAddress(0x104, {5, 6, 7, 8}))));
    std::array<std::uint8_t, 8> destination{};
    small.readMemory(destination, 0x100, 8);
    EXPECT_EQ(destination, (std::array<std::uint8_t, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    ASSERT_EQ(peer.frames().size(), 2u);
    EXPECT_EQ(peer.frames()[1], withChecksum({0xF5, 0x11, 0x04, 0x00, 0x01, 0x04}));
}

TEST_F(MemoryExchange, AFullBlockLargerThanTheCaptureIsCompletedFromTheLine) {
    EnhancedZIRK wide(40);
    wide.setPort(&port);
    const Bytes data = counting(40, 0x40);
    peer.answer(Answer::respond(zirkFrame(0x80, withAddress(0x2000, data))));
    Bytes destination(40);
    wide.readMemory(destination, 0x2000, 40);
    EXPECT_EQ(destination, data);
}

TEST_F(MemoryExchange, AFullBlockAnswerThatDoesNotMatchIsABadReply) {
    EnhancedZIRK small(4);
    small.setPort(&port);
    const Bytes wrongAddress = zirkFrame(0x80, withAddress(0x104, {1, 2, 3, 4}));
    const Bytes shortData = zirkFrame(0x80, withAddress(0x100, {1, 2, 3}));
    for (const Answer& answer :
         {Answer::respond(wrongAddress), Answer::framedAckThen(shortData), Answer::respond(unsupported())}) {
        testing::ScriptedPeer radio{line};
        radio.otherwise(answer);
        std::array<std::uint8_t, 4> destination{};
        EXPECT_THROW(small.readMemory(destination, 0x100, 4), BadReply);
        EXPECT_EQ(radio.frames().size(), 4u);
        EXPECT_EQ(destination, (std::array<std::uint8_t, 4>{}));
    }
}

TEST_F(MemoryExchange, WriteOfThirtyEightBytesIsOneRequest) {
    const Bytes data = counting(38);
    peer.answer(Answer::respond(written(0x001000)));
    zirk.writeMemory(data, 0x001000, 38);
    ASSERT_EQ(peer.frames().size(), 1u);
    const Bytes& frame = peer.frames()[0];
    ASSERT_EQ(frame.size(), 46u);
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 7), (Bytes{0xFF, 0x17, 0x00, 0x2A, 0x00, 0x10, 0x00}));
    EXPECT_EQ(Bytes(frame.begin() + 7, frame.end() - 1), data);
}

TEST_F(MemoryExchange, RefusedWriteReachesTheCallerWithItsAddressAfterFourAttempts) {
    const Bytes data = counting(8);
    // Captured with the acknowledgement, or coming late after the capture window closed.
    for (const Answer& answer : {Answer::respond(refused(0x00ABCD)), Answer::respond(refused(0x00ABCD), 10500)}) {
        testing::ScriptedPeer radio{line};
        radio.otherwise(answer);
        try {
            zirk.writeMemory(data, 0x00ABCD, 8);
            ADD_FAILURE() << "a refused write passed";
        } catch (const BadWrite& failure) {
            EXPECT_EQ(failure.address(), 0x00ABCDu);
            EXPECT_EQ(failure.code(), 6206);
        }
        EXPECT_EQ(radio.frames().size(), 4u);
    }
}

TEST_F(MemoryExchange, PendingWriteIsConfirmedByTheEmptyWrite) {
    const Bytes data = counting(16);
    peer.answer(Answer::framedAckThen(written(0xFFFFFF))).answer(Answer::framedAckThen(written(0x000300)));
    zirk.writeMemory(data, 0x000300, 16);
    ASSERT_EQ(peer.frames().size(), 2u);
    EXPECT_EQ(peer.frames()[1], kEmptyWrite);
    EXPECT_EQ(peer.unanswered(), 0u);
}

TEST_F(MemoryExchange, EveryBlockAfterAPendingOneNamesIt) {
    EnhancedZIRK small(4);
    small.setPort(&port);
    // Block 1 pending, block 2 confirms block 1 and is pending itself, block 3 completes at once,
    // and the empty write then confirms block 2.
    peer.answer(Answer::respond(written(0)))
        .answer(Answer::respond(written(0x40)))
        .answer(Answer::respond(written(0x48)))
        .answer(Answer::respond(written(0x44)));
    small.writeMemory(counting(10), 0x40, 10);
    ASSERT_EQ(peer.frames().size(), 4u);
    EXPECT_EQ(peer.frames()[2], withChecksum({0xF6, 0x17, 0x00, 0x00, 0x48, 9, 10}));
    EXPECT_EQ(peer.frames()[3], kEmptyWrite);
}

TEST_F(MemoryExchange, AWriteThatStaysInProgressEndsInBadReply) {
    peer.answer(Answer::respond(written(0xFFFFFF))).otherwise(Answer::respond(written(0xFFFFFF)));
    EXPECT_THROW(zirk.writeMemory(counting(4), 0x10, 4), BadReply);
    ASSERT_EQ(peer.frames().size(), 1u + EnhancedZIRK::kPendingWriteChecks);
    EXPECT_EQ(peer.frames().back(), kEmptyWrite);
}

TEST_F(MemoryExchange, AnAnswerNamingAnotherAddressIsABadReply) {
    peer.otherwise(Answer::respond(written(0x000999)));
    EXPECT_THROW(zirk.writeMemory(counting(4), 0x10, 4), BadReply);
    EXPECT_EQ(peer.frames().size(), 4u);
}

TEST_F(MemoryExchange, LateWriteAnswerIsAwaitedForTwoSeconds) {
    // The host's wait runs from the moment it has read the acknowledgement, a little over
    // 110 ms after the request went out.
    peer.answer(Answer::framedAckThen(written(0x20), 1700));
    zirk.writeMemory(counting(4), 0x20, 4);
    EXPECT_EQ(peer.frames().size(), 1u);

    testing::ScriptedPeer slow{line};
    slow.otherwise(Answer::framedAckThen(written(0x20), 2100));
    EXPECT_THROW(zirk.writeMemory(counting(4), 0x20, 4), TimeoutOnReceive);
    EXPECT_EQ(slow.frames().size(), 4u);
}

TEST_F(MemoryExchange, CountsBeyondTheBufferAreRefusedBeforeAnythingIsSent) {
    std::array<std::uint8_t, 4> buffer{};
    EXPECT_THROW(zirk.writeMemory(buffer, 0, 5), std::out_of_range);
    EXPECT_THROW(zirk.readMemory(buffer, 0, 5), std::out_of_range);
    EXPECT_TRUE(line.sentByHost().empty());
}

}  // namespace
}  // namespace vantrel
