#include "link/VirtualClock.h"
#include "link/VirtualLine.h"
#include "model/radioStorage.h"
#include "protocol/EnhancedZIRK.h"
#include "protocol/RadioProtocolError.h"
#include "sim/RadioProfile.h"
#include "sim/SimRadio.h"
#include "sim/VirtualLineRadio.h"
#include "support/RadioProfiles.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

namespace vantrel {
namespace {

// Every operation of the protocol object against the simulated radio, checked on the radio's
// side: its log and its state.
class EnhancedZIRKAgainstSim : public ::testing::Test {
protected:
    explicit EnhancedZIRKAgainstSim(const std::string& name = "portable-v1.json")
        : radio(testing::simulatedRadio(name)), peer(radio, line) {
        zirk.setPort(&port);
    }
    const sim::LoggedRequest& last() { return lastLogged.emplace(radio.log().back()); }
    std::string text(std::size_t from, std::size_t count) const {
        return std::string(buffer.begin() + from, buffer.begin() + from + count);
    }

    VirtualClock clock;
    VirtualLine line{clock};
    sim::SimRadio radio;
    sim::VirtualLineRadio peer;
    VirtualLinePort port{line};
    EnhancedZIRK zirk;
    radioStorage storage;
    std::array<std::uint8_t, 64> buffer{};
    std::optional<sim::LoggedRequest> lastLogged;
};

TEST_F(EnhancedZIRKAgainstSim, IdentityReadsReturnTheRawResponses) {
    const sim::RadioIdentity& identity = radio.model().identity();
    zirk.readSerialNumber(buffer);
    EXPECT_EQ(text(3, 10), identity.serialNumber);
    zirk.readModelNumber(buffer);
    EXPECT_EQ(text(5, 16), identity.modelNumber);
    zirk.readICVersion(buffer);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin() + 3, buffer.begin() + 7),
              std::vector<std::uint8_t>(identity.icVersion.begin(), identity.icVersion.end()));
    zirk.readPowerUpStatus(buffer);
    EXPECT_EQ(buffer[3], identity.powerUpStatus);
    zirk.readTune(buffer);
    EXPECT_GE(buffer[1], 0x80);
    EXPECT_EQ(radio.log().size(), 5u);
}

TEST_F(EnhancedZIRKAgainstSim, KeyingTestModeChannelsAndResetChangeTheRadioState) {
    zirk.testMode(0, 2, 2);
    zirk.selectChannels(300, 310);
    zirk.keyUp();
    EXPECT_TRUE(last().state.keyed == false);  // the state when the request came
    EXPECT_TRUE(radio.model().state().keyed);
    EXPECT_EQ(radio.model().state().testMode, (sim::TestMode{0, 2, 2}));
    EXPECT_EQ(radio.model().state().channel, (sim::Channel{300, 310, false}));
    zirk.selectChannel(400);
    EXPECT_EQ(radio.model().state().channel, (sim::Channel{400, 400, true}));
    zirk.dekey();
    EXPECT_FALSE(radio.model().state().keyed);
    zirk.reset();
    EXPECT_EQ(radio.model().resetCount(), 1u);
    EXPECT_EQ(radio.model().state(), sim::RadioState{});
}

TEST_F(EnhancedZIRKAgainstSim, LiveWritesAreForgottenAndCommitsAreKept) {
    std::uint32_t value = 0;
    zirk.readSoftpot(11, value);
    EXPECT_EQ(value, 300u);
    zirk.writeSoftpot(11, 2, 333, 2);  // live: heard at once, never stored
    EXPECT_TRUE(last().carriedOut);
    zirk.reset();
    zirk.readSoftpot(11, value);
    EXPECT_EQ(value, 300u);

    storage.markUnsupported(27);
    zirk.writeSoftpotRecorded(storage, 11, 1, 321, 2);  // stored
    EXPECT_TRUE(storage.isSupported(27));
    zirk.reset();
    zirk.readSoftpotRecorded(11, value, storage, 2);
    EXPECT_EQ(value, 321u);
}

TEST_F(EnhancedZIRKAgainstSim, AllPointsReadAndWrite) {
    zirk.readSoftpotAllPoints(3, storage, 4);
    EXPECT_TRUE(storage.isSupported(4));
    for (std::uint32_t i = 1; i <= 7; ++i) EXPECT_EQ(zirk.pointByte(i), 29 + i) << "point " << i;

    const std::uint8_t points[] = {40, 41, 42, 43, 44, 45, 46};
    storage.markUnsupported(21);
    zirk.writeSoftpotBytesRecorded(storage, 3, 4, points, sizeof points);
    EXPECT_TRUE(storage.isSupported(21));
    zirk.reset();
    zirk.readSoftpotAllPoints(3, storage, 4);
    EXPECT_EQ(zirk.pointByte(1), 40);
    EXPECT_EQ(zirk.pointByte(7), 46);
}

TEST_F(EnhancedZIRKAgainstSim, AutoTuneReportsWhatTheRadioFound) {
    zirk.selectChannel(180);
    std::uint32_t value = 0;
    storage.markUnsupported(11);
    zirk.autoTune(7, value, storage, 11);
    EXPECT_TRUE(storage.isSupported(11));
    EXPECT_EQ(last().opcode, 0x1F);
    EXPECT_GE(value, 44u);
    EXPECT_LE(value, 50u);
}

TEST_F(EnhancedZIRKAgainstSim, UnsupportedSoftpotClearsItsFlagAndKeepsTheValue) {
    std::uint32_t value = 99;
    zirk.readSoftpotRecorded(0xEE, value, storage, 22);
    EXPECT_FALSE(storage.isSupported(22));
    EXPECT_EQ(value, 99u);
    EXPECT_TRUE(storage.isSupported(23));
    EXPECT_THROW(zirk.readSoftpot(0xEE, value), UnsupportedMessage);
}

TEST_F(EnhancedZIRKAgainstSim, MemoryWriteThenReadAndSerialNumberWrite) {
    const std::array<std::uint8_t, 6> data{0xDE, 0xAD, 0xBE, 0xEF, 0x01, 0x02};
    zirk.writeMemory(data, 0x40, 6);
    EXPECT_EQ(radio.model().readMemory(0x40, 6), std::vector<std::uint8_t>(data.begin(), data.end()));
    zirk.readMemory(buffer, 0x40, 6);
    EXPECT_EQ(buffer[1], 0x80);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin() + 5, buffer.begin() + 11),
              std::vector<std::uint8_t>(data.begin(), data.end()));

    zirk.writeSerialNumber("NEWSERIAL1");
    EXPECT_EQ(radio.model().identity().serialNumber, "NEWSERIAL1");
    zirk.readSerialNumber(buffer);
    EXPECT_EQ(text(3, 10), "NEWSERIAL1");
}

TEST_F(EnhancedZIRKAgainstSim, RadioWithoutBasebandRegistersAnswersUnsupported) {
    zirk.readBBO(5, 1, buffer);
    EXPECT_EQ(buffer[1], 0x86);
    zirk.readRSSI(buffer);
    EXPECT_EQ(buffer[1], 0x8A);
    EXPECT_EQ((std::vector<std::uint8_t>{buffer[3], buffer[4], buffer[5]}), (std::vector<std::uint8_t>{20, 35, 50}));
}

class BasebandRadio : public EnhancedZIRKAgainstSim {
protected:
    BasebandRadio() : EnhancedZIRKAgainstSim("mobile-bbo-radio.json") {}
};

TEST_F(BasebandRadio, ReadsAndWritesBasebandRegisters) {
    zirk.readBBO(0, 2, buffer);
    EXPECT_EQ(buffer[1], 0x88);
    EXPECT_EQ(buffer[3], 0x54);
    zirk.writeBBO(0, 0x82, 0x11);
    EXPECT_EQ(radio.model().basebandOffset(0, 2), 0x11);
    zirk.readBBO(0, 2, buffer);
    EXPECT_EQ(buffer[3], 0x11);
}

}  // namespace
}  // namespace vantrel
