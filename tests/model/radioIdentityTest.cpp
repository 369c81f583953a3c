#include "model/radioIdentity.h"

#include "link/VirtualLine.h"
#include "model/radioStorage.h"
#include "protocol/EnhancedZIRK.h"
#include "protocol/Framing.h"
#include "protocol/RadioProtocolError.h"
#include "support/ScriptedPeer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A read-tune reply as the radio sends it (4-byte header, payload from byte 4): band base 5440
// (136 MHz), spacing mask 0x05, transmit F1..F7 = 100 1600 3200 0 4800 6400 7600, receive
// F1..F7 = 120 1620 3220 4020 0 6420 7620, DAC 0x5A and 0xA5, version 2, battery target 72.
const Bytes kTuneReply = {
    0xFF, 0xA3, 0x00, 0x29, 0x15, 0x40, 0x05, 0x00, 0x00, 0x64, 0x06, 0x40, 0x0C, 0x80, 0x00,
    0x00, 0x12, 0xC0, 0x19, 0x00, 0x1D, 0xB0, 0x00, 0x00, 0x00, 0x78, 0x06, 0x54, 0x0C, 0x94,
    0x0F, 0xB4, 0x00, 0x00, 0x19, 0x14, 0x1D, 0xC4, 0x00, 0x00, 0x5A, 0xA5, 0x02, 0x48, 0x60,
};

// Serial number reply (2-byte header): item 0x01, then "4YT0012345".
const Bytes kSerialReply = {0xFC, 0xA3, 0x01, '4', 'Y', 'T', '0', '0', '1', '2', '3', '4', '5', 0x1F};
// Model number reply (4-byte header): item 0x00, then the 16 characters.
const Bytes kModelReply = {0xFF, 0xA3, 0x00, 0x12, 0x00, 'M', '4', '2', 'K', '4', '4',
                           '0',  'D',  'A',  '1',  'B',  'N', '0', '1', 'A', ' ', 0xAD};
// IC version reply: item 0x0E, then four raw bytes.
const Bytes kICVersionReply = {0xF6, 0xA3, 0x0E, 0x03, 0xFE, 0x00, 0x41, 0x16};

std::vector<std::int32_t> entries(const radioStorage& s, int row, int first, int count) {
    std::vector<std::int32_t> values;
    for (int e = first; e < first + count; ++e) values.push_back(s.value(row, e));
    return values;
}

// The tune reply with other points, for the cases where only the points matter.
Bytes tuneReplyWith(std::uint16_t bandBase, const std::vector<std::uint16_t>& tx,
                    const std::vector<std::uint16_t>& rx) {
    Bytes reply = kTuneReply;
    writeBigEndian(bandBase, &reply[4], 2);
    for (std::size_t i = 0; i < 7; ++i) {
        writeBigEndian(tx[i], &reply[8 + 2 * i], 2);
        writeBigEndian(rx[i], &reply[24 + 2 * i], 2);
    }
    return reply;
}

TEST(radioIdentityTest, DecodesTheIdentityReplies) {
    EXPECT_EQ(decodeSerialNumber(kSerialReply), "4YT0012345");
    EXPECT_EQ(decodeModelNumber(kModelReply), "M42K440DA1BN01A ");
    EXPECT_EQ(decodeICVersion(kICVersionReply), std::string("\x03\xFE\x00\x41", 4));
}

TEST(radioIdentityTest, RepliesTooShortAreBadReplies) {
    EXPECT_THROW(decodeSerialNumber(Bytes(kSerialReply.begin(), kSerialReply.end() - 2)), BadReply);
    EXPECT_THROW(decodeModelNumber(Bytes(kModelReply.begin(), kModelReply.begin() + 20)), BadReply);
    EXPECT_THROW(decodeICVersion(Bytes{}), BadReply);

    radioStorage storage;
    EXPECT_THROW(storeFrequencyPlan(Bytes(kTuneReply.begin(), kTuneReply.begin() + 43), storage), BadReply);
    EXPECT_EQ(storage.value(0, 7), 0);  // nothing stored from a reply that was cut short
}

TEST(radioIdentityTest, StoresEveryItemOfTheFrequencyPlan) {
    radioStorage storage;
    const FrequencyPlanUse use = storeFrequencyPlan(kTuneReply, storage);

    EXPECT_EQ(storage.value(0, 7), 5440);
    EXPECT_EQ(storage.value(0, 13), 0x05);
    EXPECT_EQ(entries(storage, 0, 0, 7), (std::vector<std::int32_t>{100, 1600, 3200, 0, 4800, 6400, 7600}));
    EXPECT_EQ(entries(storage, 0, 14, 7), (std::vector<std::int32_t>{120, 1620, 3220, 4020, 0, 6420, 7620}));
    EXPECT_EQ(storage.value(17, 14), 0x5A);
    EXPECT_EQ(storage.value(17, 15), 0xA5);
    EXPECT_EQ(storage.tuningProcedureVersion(), 2);
    EXPECT_EQ(storage.value(18, 0), 72);
    EXPECT_EQ(use.transmitPoints, 6);
    EXPECT_EQ(use.receivePoints, 6);
    EXPECT_TRUE(use.usable());
}

TEST(radioIdentityTest, PointsAreUnsigned16Bit) {
    radioStorage storage;
    storeFrequencyPlan(tuneReplyWith(0xFFFF, {0xFFFF, 0x8000, 0, 0, 0, 0, 0}, {0x8001, 0, 0, 0, 0, 0, 0}), storage);
    EXPECT_EQ(storage.value(0, 7), 65535);
    EXPECT_EQ(storage.value(0, 0), 65535);
    EXPECT_EQ(storage.value(0, 1), 32768);
    EXPECT_EQ(storage.value(0, 14), 32769);
}

TEST(radioIdentityTest, SinglePointModelKeepsOnlyF3OnBothHalves) {
    radioStorage storage;
    storage.setModelNumber("M36K012CA1BN01A ");
    const FrequencyPlanUse use = storeFrequencyPlan(kTuneReply, storage);
    EXPECT_EQ(entries(storage, 0, 0, 7), (std::vector<std::int32_t>{0, 0, 3200, 0, 0, 0, 0}));
    EXPECT_EQ(entries(storage, 0, 14, 7), (std::vector<std::int32_t>{0, 0, 3220, 0, 0, 0, 0}));
    EXPECT_EQ(use.transmitPoints, 1);
    EXPECT_EQ(use.receivePoints, 1);

    // A single-point radio whose F3 is unused on one half has nothing to tune.
    const FrequencyPlanUse empty =
        storeFrequencyPlan(tuneReplyWith(5440, {1, 2, 3, 4, 5, 6, 7}, {1, 2, 0, 4, 5, 6, 7}), storage);
    EXPECT_FALSE(empty.usable());
    EXPECT_EQ(entries(storage, 0, 14, 7), (std::vector<std::int32_t>(7, 0)));
}

TEST(radioIdentityTest, PlanWithoutTransmitOrReceivePointIsUnusable) {
    radioStorage storage;
    const std::vector<std::uint16_t> none(7, 0), one = {0, 0, 0, 0, 0, 0, 9};
    EXPECT_FALSE(storeFrequencyPlan(tuneReplyWith(5440, none, one), storage).usable());
    EXPECT_FALSE(storeFrequencyPlan(tuneReplyWith(5440, one, none), storage).usable());
    EXPECT_TRUE(storeFrequencyPlan(tuneReplyWith(5440, one, one), storage).usable());

    storage.setSerialNumber("4YT0012345");
    markIdentityInvalid(storage);
    EXPECT_EQ(storage.serialNumber(), "Invalid");
}

TEST(radioIdentityTest, LowBandMarkerFollowsTheTransmitFrequencies) {
    const std::vector<std::uint16_t> none(7, 0);
    const struct {
        std::uint16_t bandBase;
        std::vector<std::uint16_t> tx;
        int marker;
    } cases[] = {
        {1200, none, 1},                   // 30.000 MHz: unused points count too
        {1188, none, 0},                   // exactly 29.7 MHz is not above it
        {1188, {0, 0, 0, 0, 0, 0, 1}, 1},  // 29.705 MHz at F7
        {2000, none, 0},                   // exactly 50 MHz is not below it
        {1999, {5, 5, 5, 5, 5, 5, 5}, 0},  // 49.975 + 0.025 = 50 MHz on every point
        {1999, {4, 5, 5, 5, 5, 5, 5}, 1},  // 49.995 MHz at F1
        {5440, {100, 1600, 3200, 0, 4800, 6400, 7600}, 0},
        {0, {0, 0, 0, 6000, 0, 0, 0}, 1},  // 30 MHz reached through a point alone
    };
    for (const auto& c : cases) {
        radioStorage storage;
        storeFrequencyPlan(tuneReplyWith(c.bandBase, c.tx, none), storage);
        storage.setValue(1, 0, 1);    // the DAC screen was opened earlier
        storage.setValue(17, 16, 7);  // stale marker
        updateLowBandMarker(storage);
        EXPECT_EQ(storage.value(17, 16), c.marker) << "band base " << c.bandBase;
        EXPECT_EQ(storage.value(1, 0), 0);
    }
}

TEST(radioIdentityTest, ChannelSpacingCodePrefersTheWidestChannel) {
    const std::pair<std::int32_t, std::uint8_t> cases[] = {{0, 0}, {1, 0}, {2, 1}, {3, 1},   {4, 2},
                                                           {5, 2}, {7, 2}, {8, 0}, {0x0A, 1}};
    for (const auto& [mask, code] : cases) EXPECT_EQ(channelSpacingCode(mask), code) << "mask " << mask;

    radioStorage storage;
    storeFrequencyPlan(kTuneReply, storage);
    EXPECT_EQ(channelSpacingCode(storage), 2);
}

TEST(radioIdentityTest, TempCompBytesGoToTheGeneralRow) {
    radioStorage storage;
    storeTempComp(Bytes{0xF6, 0xA3, 0x01, 0x10, 0x80, 0xFF, 0x00, 0x00}, storage);
    EXPECT_EQ(entries(storage, 0, 9, 4), (std::vector<std::int32_t>{0x10, 0x80, 0xFF, 0x00}));
}

TEST(radioIdentityTest, ReadsIdentityAndPlanFromTheRadio) {
    VirtualClock clock;
    VirtualLine line(clock);
    testing::ScriptedPeer radio(line);
    for (const Bytes& reply : {kSerialReply, kModelReply, kICVersionReply, kTuneReply,
                               Bytes{0xF6, 0xA3, 0x01, 0x11, 0x22, 0x33, 0x44, 0xBB}}) {
        radio.answer(testing::Answer::respond(reply));
    }
    VirtualLinePort port(line);
    EnhancedZIRK conn;
    conn.setPort(&port);

    radioStorage storage;
    readIdentity(conn, storage);
    EXPECT_EQ(storage.serialNumber(), "4YT0012345");
    EXPECT_EQ(storage.modelNumber(), "M42K440DA1BN01A ");
    EXPECT_EQ(storage.icVersion(), std::string("\x03\xFE\x00\x41", 4));
    ASSERT_EQ(radio.frames().size(), 3u);
    EXPECT_EQ(radio.frames()[0], (Bytes{0xF2, 0x23, 0x01, 0xE9}));  // serial number first
    EXPECT_EQ(radio.frames()[1], (Bytes{0xF2, 0x23, 0x00, 0xEA}));
    EXPECT_EQ(radio.frames()[2], (Bytes{0xF2, 0x23, 0x0E, 0xDC}));

    EXPECT_TRUE(readFrequencyPlan(conn, storage).usable());
    EXPECT_EQ(storage.value(0, 6), 7600);
    EXPECT_EQ(storage.value(18, 0), 72);

    readTempComp(conn, storage);
    EXPECT_EQ(entries(storage, 0, 9, 4), (std::vector<std::int32_t>{0x11, 0x22, 0x33, 0x44}));
}

}  // namespace
}  // namespace vantrel
