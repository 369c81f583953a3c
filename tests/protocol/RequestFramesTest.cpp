#include "EnhancedZIRKFixture.h"

#include "link/CommunicationError.h"

#include <functional>
#include <string>

namespace vantrel {
namespace {

struct FrameCase {
    std::string name;
    std::function<void(EnhancedZIRK&, radioStorage&)> operation;
    Bytes expected;
};

using Frames = EnhancedZIRKTest;

// Every operation puts exactly its one request on the wire when the radio answers at once.
TEST_F(Frames, EveryOperationSendsItsRequestByteForByte) {
    EnhancedZIRK::Response buffer{};
    std::uint32_t value = 0;
    const std::uint8_t ten[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::vector<FrameCase> cases = {
        {"keyUp", [](auto& z, auto&) { z.keyUp(); }, {0xF2, 0x19, 0x01, 0xF3}},
        {"dekey", [](auto& z, auto&) { z.dekey(); }, {0xF2, 0x19, 0x00, 0xF4}},
        {"reset", [](auto& z, auto&) { z.reset(); }, {0xF1, 0x10, 0xFE}},
        {"readSerialNumber", [&](auto& z, auto&) { z.readSerialNumber(buffer); }, {0xF2, 0x23, 0x01, 0xE9}},
        {"readModelNumber", [&](auto& z, auto&) { z.readModelNumber(buffer); }, withChecksum({0xF2, 0x23, 0x00})},
        {"readPowerUpStatus", [&](auto& z, auto&) { z.readPowerUpStatus(buffer); }, withChecksum({0xF2, 0x23, 0x05})},
        {"readICVersion", [&](auto& z, auto&) { z.readICVersion(buffer); }, withChecksum({0xF2, 0x23, 0x0E})},
        {"readTune", [&](auto& z, auto&) { z.readTune(buffer); }, withChecksum({0xF2, 0x1B, 0x00})},
        {"readTempComp", [&](auto& z, auto&) { z.readTempComp(buffer); }, withChecksum({0xF4, 0x20, 0x01, 0x00, 0x00})},
        {"readRSSI", [&](auto& z, auto&) { z.readRSSI(buffer); }, withChecksum({0xF4, 0x20, 0x1A, 0x03, 0x00})},
        {"readRSSICalDac", [&](auto& z, auto&) { z.readRSSICalDac(0x19, buffer); },
         withChecksum({0xF3, 0x20, 0x19, 0x00})},
        {"readBBO", [&](auto& z, auto&) { z.readBBO(10, 3, buffer); }, withChecksum({0xF3, 0x28, 0x0A, 0x03})},
        {"writeBBO", [](auto& z, auto&) { z.writeBBO(5, 0x81, 0x4C); }, withChecksum({0xF4, 0x28, 0x05, 0x81, 0x4C})},
        {"selectChannel", [](auto& z, auto&) { z.selectChannel(300); }, withChecksum({0xF4, 0x21, 0x00, 0x01, 0x2C})},
        {"selectChannels",
         [](auto& z, auto&) { z.selectChannels(300, 300); },
         {0xF6, 0x21, 0x00, 0x01, 0x2C, 0x01, 0x2C, 0x8E}},
        {"testMode", [](auto& z, auto&) { z.testMode(7, 1, 2); }, withChecksum({0xF4, 0x22, 0x07, 0x01, 0x02})},
        {"writeSoftpot width 1",
         [](auto& z, auto&) { z.writeSoftpot(18, 2, 0x80, 1); },
         {0xF4, 0x20, 0x12, 0x02, 0x80, 0x57}},
        {"writeSoftpot width 2", [](auto& z, auto&) { z.writeSoftpot(18, 2, 0x80, 2); },
         withChecksum({0xF5, 0x20, 0x12, 0x02, 0x00, 0x80})},
        {"writeSoftpotBytes", [&](auto& z, auto&) { z.writeSoftpotBytes(3, 4, ten, 10); },
         withChecksum({0xFD, 0x20, 0x03, 0x04, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
        {"writeSoftpotRecorded", [](auto& z, auto& s) { z.writeSoftpotRecorded(s, 0, 1, 0x1234, 2); },
         withChecksum({0xF5, 0x20, 0x00, 0x01, 0x12, 0x34})},
        {"readSoftpotRecorded",
         [&](auto& z, auto& s) { z.readSoftpotRecorded(6, value, s, 8); },
         {0xF4, 0x20, 0x06, 0x00, 0x00, 0xE5}},
        {"readSoftpotAllPoints", [](auto& z, auto& s) { z.readSoftpotAllPoints(6, s, 8); },
         withChecksum({0xF4, 0x20, 0x06, 0x03, 0x00})},
        {"autoTune", [&](auto& z, auto& s) { z.autoTune(9, value, s, 2); }, withChecksum({0xF2, 0x1F, 0x09})},
        {"writeSerialNumber", [](auto& z, auto&) { z.writeSerialNumber("AB12345678"); },
         withChecksum({0xFC, 0x18, 0x00, 'A', 'B', '1', '2', '3', '4', '5', '6', '7', '8'})},
    };
    for (const FrameCase& c : cases) {
        VirtualClock caseClock;
        VirtualLine caseLine{caseClock};
        testing::ScriptedPeer casePeer{caseLine};
        VirtualLinePort casePort{caseLine};
        EnhancedZIRK caseZirk;
        caseZirk.setPort(&casePort);
        // Names the softpot of the request, so the softpot operations accept it too.
        const std::uint8_t softpot = c.expected.size() > 2 ? c.expected[2] : 0;
        casePeer.otherwise(Answer::respond(softpotAnswer({softpot, 0x01})));
        c.operation(caseZirk, storage);
        EXPECT_EQ(caseLine.sentByHost(), c.expected) << c.name;
        EXPECT_EQ(casePeer.frames().size(), 1u) << c.name;
    }
}

TEST_F(Frames, SerialNumberWriteIsFourteenBytesAndPadsAShortText) {
    peer.otherwise(Answer::ackOnly());
    zirk.writeSerialNumber("ABCDEFGHIJKLM");
    ASSERT_EQ(line.sentByHost().size(), 14u);
    EXPECT_EQ(line.sentByHost(), withChecksum({0xFC, 0x18, 0x00, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J'}));
    zirk.writeSerialNumber("XY");
    const Bytes second(line.sentByHost().begin() + 14, line.sentByHost().end());
    EXPECT_EQ(second, withChecksum({0xFC, 0x18, 0x00, 'X', 'Y', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '}));
}

TEST_F(Frames, DataOperationsHandBackTheRawResponseHeaderFirst) {
    const Bytes response = zirkFrame(0x80, {0x01, 'S', 'E', 'R', 'I', 'A', 'L', '0', '0', '0', '1'});
    peer.answer(Answer::respond(response)).answer(Answer::framedAckThen(response));
    for (int i = 0; i < 2; ++i) {  // captured with the acknowledgement, then read late
        EnhancedZIRK::Response buffer{};
        zirk.readSerialNumber(buffer);
        EXPECT_TRUE(std::equal(response.begin(), response.end(), buffer.begin())) << i;
        EXPECT_EQ(std::string(buffer.begin() + 3, buffer.begin() + 13), "SERIAL0001") << i;
    }
}

TEST_F(Frames, DataIntoASmallBufferIsCutToFit) {
    const Bytes response = zirkFrame(0x80, Bytes(12, 0xAB));
    peer.answer(Answer::respond(response)).answer(Answer::framedAckThen(response));
    for (int i = 0; i < 2; ++i) {
        std::array<std::uint8_t, 6> storageArea{};
        zirk.readTune(std::span<std::uint8_t>(storageArea).first(4));
        EXPECT_TRUE(std::equal(response.begin(), response.begin() + 4, storageArea.begin())) << i;
        EXPECT_EQ(storageArea[4], 0) << i;
    }
}

TEST_F(Frames, NoPortMeansGeneralCommunicationErrorAndNothingSent) {
    EnhancedZIRK unbound;
    EnhancedZIRK::Response buffer{};
    std::uint32_t value = 0;
    EXPECT_THROW(unbound.keyUp(), GeneralCommunicationError);
    EXPECT_THROW(unbound.readSerialNumber(buffer), GeneralCommunicationError);
    EXPECT_THROW(unbound.readSoftpot(1, value), GeneralCommunicationError);
    EXPECT_THROW(unbound.writeSoftpot(1, 2, 3, 1), GeneralCommunicationError);
    EXPECT_THROW(unbound.writeMemory(std::span<const std::uint8_t>(), 0, 0), GeneralCommunicationError);
    EXPECT_THROW(unbound.readMemory(buffer, 0, 8), GeneralCommunicationError);
    EXPECT_THROW(unbound.autoTune(1, value, storage, 2), GeneralCommunicationError);
    EXPECT_TRUE(line.sentByHost().empty());
}

}  // namespace
}  // namespace vantrel
