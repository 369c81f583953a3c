#include "SimFixture.h"

namespace vantrel::sim::testing {
namespace {

class SimEffects : public SimLineTest {
protected:
    void SetUp() override { useProfile("portable-v1.json"); }

    const SoftpotStore& softpots() { return radio->model().softpots(); }
    // The value bytes of a single softpot read (behind the softpot number).
    Bytes readValue(std::uint8_t n) {
        const Bytes p = payloadOf(respond(0x20, {n, 0, 0}));
        EXPECT_EQ(p.at(0), n);
        return Bytes(p.begin() + 1, p.end());
    }
};

TEST_F(SimEffects, LiveWritesAreUsedButNotStoredCommitsStoreAndAllPointsWritesStoreEveryPoint) {
    send(request::channel(1400, 1380));  // F2
    EXPECT_EQ(readValue(3), Bytes{31});

    EXPECT_EQ(respond(0x20, {3, 2, 0x50}), buildFrame(0x8A, {3, 0x50}));
    EXPECT_EQ(softpots().live(3, 1), 0x50u);
    EXPECT_EQ(softpots().stored(3, 1), 31u);
    EXPECT_EQ(readValue(3), Bytes{31});  // reads report what the radio keeps

    send(request::softpotWrite(3, 1, {0x51}));
    EXPECT_EQ(softpots().stored(3, 1), 0x51u);
    EXPECT_EQ(softpots().live(3, 1), 0x51u);
    EXPECT_EQ(readValue(3), Bytes{0x51});
    EXPECT_EQ(softpots().stored(3, 0), 30u);

    send(request::softpotWrite(3, 4, {1, 2, 3, 4, 5, 6, 7}));
    const Bytes all = payloadOf(respond(0x20, {3, 3, 0}));
    EXPECT_EQ(all, (Bytes{3, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(softpots().stored(3, 6), 7u);
    // A value wider than the softpot is refused and changes nothing.
    EXPECT_EQ(send(request::softpotWrite(3, 1, {0x01, 0x00})).frames, (std::vector<Bytes>{{0x61, 0x9E}}));
    EXPECT_EQ(softpots().stored(3, 1), 2u);
}

TEST_F(SimEffects, TheChannelPicksThePointByTheSoftpotsOwnHalf) {
    // Transmit family softpot 3 and receive family softpot 13 on one two-value channel whose
    // transmit half is F1 and receive half F4 (a receive point with the partner transmit value).
    send(request::channel(200, 3780));
    EXPECT_EQ(readValue(3), Bytes{30});
    EXPECT_EQ(readValue(13), Bytes{123});
    // The one-value form serves both halves.
    send(request::channel(4980));
    EXPECT_EQ(readValue(13), Bytes{124});
    // A channel between points: the nearest used point.
    send(request::channel(1500, 1380));
    EXPECT_EQ(readValue(3), Bytes{31});
    EXPECT_EQ(radio->model().state().channel, (Channel{1500, 1380, false}));
}

TEST_F(SimEffects, TheTestModeSelectsTheSoftpotsBank) {
    send(request::channel(2600, 2580));  // F3
    send(request::testMode(1, 0, 2));    // high power
    EXPECT_EQ(readValue(0), Bytes{98});
    send(request::testMode(1, 2, 2));  // low power
    EXPECT_EQ(readValue(0), Bytes{42});
    send(request::softpotWrite(0, 1, {0x30}));
    EXPECT_EQ(softpots().stored(0, 2, 2), 0x30u);
    EXPECT_EQ(softpots().stored(0, 2), 98u);

    send(request::testMode(1, 2, 0));  // VCO attenuation at 12.5 kHz
    EXPECT_EQ(readValue(2), Bytes{58});
    send(request::testMode(128, 2, 2));
    EXPECT_EQ(readValue(2), Bytes{72});

    // Rated volume: the Sollen value (function 18) only where the radio has one.
    send(request::testMode(18, 2, 2));
    EXPECT_EQ(respond(0x20, {8, 0, 0}), buildFrame(0x86, {8}));
    useProfile("portable-sollen.json");
    send(request::testMode(18, 2, 2));
    EXPECT_EQ(readValue(8), Bytes{140});
    send(request::testMode(0, 2, 2));
    EXPECT_EQ(readValue(8), Bytes{128});
}

TEST_F(SimEffects, AllPointsReadsAnswerWholeOrUnsupported) {
    useProfile("mobile-v2.json");
    const Bytes km = respond(0x20, {17, 3, 0});
    ASSERT_EQ(km.size(), 20u);  // 15 payload bytes: the long-length header
    EXPECT_EQ((Bytes{km[4], km[5], km[6], km[17], km[18]}), (Bytes{17, 0x12, 0x34, 0x18, 0x3A}));
    payloadOf(km);
    EXPECT_EQ(payloadOf(respond(0x20, {10, 3, 0})), (Bytes{10, 0, 150}));

    useProfile("portable-v1-per-point.json");
    EXPECT_EQ(respond(0x20, {13, 3, 0}), buildFrame(0x86, {13}));
    EXPECT_EQ(respond(0x20, {13, 4, 1, 2, 3, 4, 5, 6, 7}), buildFrame(0x86, {13}));
    EXPECT_EQ(softpots().stored(13, 0), 120u);
    // Battery and RSSI thresholds have no per-point form; this radio still answers them whole.
    EXPECT_EQ(payloadOf(respond(0x20, {26, 3, 0})), (Bytes{26, 20, 35, 50}));
    send(request::softpotWrite(26, 4, {21, 36}));
    EXPECT_EQ(softpots().stored(26, 1), 36u);
    EXPECT_EQ(softpots().stored(26, 2), 50u);
}

TEST_F(SimEffects, CalibrationTemperatureCompensationAndRssiReads) {
    const Bytes temp = respond(0x20, {1, 0, 0});
    EXPECT_EQ(Bytes(temp.begin() + 3, temp.begin() + 7), (Bytes{0x0A, 0xFF, 0x00, 0x7B}));
    // The host's temperature compensation write: softpot 1, mode 1, four bytes.
    send(Bytes{0xF7, 0x20, 0x01, 0x01, 0x0A, 0xFF, 0x00, 0x7B, 0x62});
    send(request::softpotWrite(1, 1, {1, 2, 3, 4}));
    EXPECT_EQ(softpots().stored(1, 0), 0x01020304u);

    const Bytes rssi = respond(0x20, {0x1A, 3, 0});
    EXPECT_EQ((Bytes{rssi[1], rssi[3], rssi[4], rssi[5]}), (Bytes{0x8A, 20, 35, 50}));
    const Bytes levels = respond(0x20, {0x19, 0});
    EXPECT_EQ(Bytes(levels.begin() + 3, levels.begin() + 6), (Bytes{118, 110, 100}));
    EXPECT_EQ(respond(0x20, {0x1A, 0})[3], 7);
}

TEST_F(SimEffects, MemoryWritesThenReadsAndRefusesWhatLiesOutside) {
    EXPECT_EQ(respond(0x17, {0x00, 0x01, 0x00, 0xAA, 0xBB, 0xCC}), buildFrame(0x84, {0x00, 0x01, 0x00}));
    EXPECT_EQ(respond(0x11, {3, 0x00, 0x01, 0x00}), buildFrame(0x80, {0x00, 0x01, 0x00, 0xAA, 0xBB, 0xCC}));

    // The longest write the host makes: 38 bytes, a 46-byte frame.
    Bytes data(38);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i);
    const Bytes write = request::memoryWrite(0x0200, data);
    ASSERT_EQ(write.size(), 46u);
    EXPECT_EQ(respond(0x17, Bytes(write.begin() + 4, write.end() - 1)), buildFrame(0x84, {0x00, 0x02, 0x00}));
    const Bytes read = respond(0x11, {32, 0x00, 0x02, 0x00});
    EXPECT_EQ((Bytes{read[0], read[1], read[2], read[3]}), (Bytes{0xFF, 0x80, 0x00, 0x24}));
    EXPECT_EQ(Bytes(read.begin() + 7, read.end() - 1), Bytes(data.begin(), data.begin() + 32));

    EXPECT_EQ(respond(0x17, {0x00, 0x07, 0xFE, 1, 2, 3}), buildFrame(0x85, {0x00, 0x07, 0xFE}));
    EXPECT_EQ(radio->model().readMemory(0x7FE, 2), (Bytes{0xFF, 0xFF}));
    // The empty write that flushes pending writes reports address 0.
    EXPECT_EQ(respond(0x17, {0, 0, 0}), buildFrame(0x84, {0, 0, 0}));
    EXPECT_EQ(send(request::memoryRead(0x7FF, 2)).frames, (std::vector<Bytes>{{0x61, 0x9E}}));
}

TEST_F(SimEffects, AutoTuneProbesWithoutAChannelAndTunesOnOne) {
    send(request::testMode(0, 2, 2));
    EXPECT_EQ(respond(0x1F, {7}), buildFrame(0x8A, {7, 0}));  // nothing to tune at yet
    send(request::channel(2580));
    EXPECT_EQ(respond(0x1F, {7}), buildFrame(0x8A, {7, 46}));
    EXPECT_EQ(softpots().live(7, 2), 46u);
    EXPECT_EQ(softpots().stored(7, 2), 42u);
    EXPECT_EQ(respond(0x1F, {6}), buildFrame(0x86, {6}));  // this radio cannot tune softpot 6
}

TEST_F(SimEffects, BasebandOffsetsLiveInTheRadioOrNot) {
    EXPECT_EQ(respond(0x28, {5, 1}), buildFrame(0x86, {5}));

    useProfile("mobile-bbo-radio.json");
    EXPECT_EQ(respond(0x28, {5, 1}), buildFrame(0x88, {5, 0x21}));
    EXPECT_EQ(respond(0x28, {10, 3}), buildFrame(0x88, {10, 0xA9}));
    EXPECT_EQ(respond(0x28, {8, 0x82, 0x5F}), buildFrame(0x88, {8, 0x5F}));
    EXPECT_EQ(respond(0x28, {8, 2}), buildFrame(0x88, {8, 0x5F}));
    EXPECT_EQ(radio->model().basebandOffset(8, 1), 0xA9);
    EXPECT_EQ(send(0x28, {5, 4}).frames, (std::vector<Bytes>{{0x61, 0x9E}}));
}

TEST_F(SimEffects, SerialNumberWriteIsStoredAndReadBack) {
    Bytes write{0x00};
    const Bytes serial = textBytes("NEWSERIAL1");
    write.insert(write.end(), serial.begin(), serial.end());
    const Bytes frame = buildFrame(0x18, write);
    EXPECT_EQ((Bytes{frame[0], frame[1], frame[2]}), (Bytes{0xFC, 0x18, 0x00}));
    EXPECT_EQ(respond(0x18, write), buildFrame(0x98, {0x00}));
    const Bytes reply = respond(0x23, {0x01});
    EXPECT_EQ(Bytes(reply.begin() + 3, reply.begin() + 13), serial);
    EXPECT_EQ(send(0x18, {0x00, 'S', 'H', 'O', 'R', 'T'}).frames, (std::vector<Bytes>{{0x61, 0x9E}}));
}

TEST_F(SimEffects, TheLogKeepsEachRequestWithTheStateItFound) {
    send(request::kKeyUp);
    send(request::testMode(1, 2, 2));
    send(request::channel(1400, 1380));
    send(request::softpotRead(3));
    send(0x19, {0x00});
    const auto log = radio->log();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[0].state, RadioState{});
    EXPECT_EQ(log[0].frame, request::kKeyUp);
    EXPECT_EQ(log[3].opcode, 0x20);
    EXPECT_EQ(log[3].payload, (Bytes{3, 0, 0}));
    EXPECT_TRUE(log[3].state.keyed);
    EXPECT_EQ(log[3].state.testMode, (TestMode{1, 2, 2}));
    EXPECT_EQ(log[3].state.channel, (Channel{1400, 1380, false}));
    EXPECT_TRUE(log[3].carriedOut);
    EXPECT_TRUE(log[3].faults.empty());
    EXPECT_FALSE(radio->model().state().keyed);
    EXPECT_EQ(describe(log[3]).substr(10), " op=20 payload=[03 00 00] keyed test-mode=1,2,2 channel=1400/1380 done");
}

}  // namespace
}  // namespace vantrel::sim::testing
