#include "link/PortConfigurationFile.h"
#include "link/PosixCommunicationPort.h"
#include "model/radioStorage.h"
#include "protocol/EnhancedZIRK.h"
#include "protocol/cominit.h"
#include "sim/PtyRadioLink.h"
#include "sim/RadioProfile.h"
#include "sim/SimRadio.h"
#include "support/RadioProfiles.h"
#include "support/ScopedProgramDirectory.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace vantrel {
namespace {

// A connection as every command opens it: com.ini names COM 1, and the com1 link in the program
// folder leads to the simulated radio.
TEST(PosixZIRKAgainstSim, ConnectionOpensCom1ThroughTheLinkInTheProgramFolder) {
    sim::SimRadio radio(testing::simulatedRadio("portable-v1.json"));
    sim::PtyRadioLink link(radio);
    link.start();
    testing::ScopedProgramDirectory folder;
    writePortNumber(1);
    std::filesystem::create_symlink(link.slavePath(), folder.path() / "com1");
    {
        cominit conn;
        EXPECT_EQ(conn.communicationPort().portNumber(), 1u);
        std::array<std::uint8_t, 64> buffer{};
        conn.readSerialNumber(buffer);
        EXPECT_EQ(std::string(buffer.begin() + 3, buffer.begin() + 13), "781TKA0101");
    }
    link.stop();
}

// The real POSIX port, in real time, against the simulated radio on a pseudo-terminal.
TEST(PosixZIRKAgainstSim, ReadsTheSerialWritesASoftpotAndReadsItBack) {
    sim::SimRadio radio(testing::simulatedRadio("portable-v1.json"));
    sim::PtyRadioLink link(radio);
    link.start();
    {
        PosixCommunicationPort port(std::filesystem::path(link.slavePath()), 9600, parity::kNone, 8, stopbits::kOne, 0);
        EnhancedZIRK zirk;
        zirk.setPort(&port);

        std::array<std::uint8_t, 64> buffer{};
        zirk.readSerialNumber(buffer);
        EXPECT_EQ(std::string(buffer.begin() + 3, buffer.begin() + 13),
                  radio.withModel([](auto& m) { return m.identity().serialNumber; }));

        radioStorage storage;
        zirk.writeSoftpotRecorded(storage, 11, 1, 0x0155, 2);
        std::uint32_t value = 0;
        zirk.readSoftpotRecorded(11, value, storage, 2);
        EXPECT_EQ(value, 0x0155u);
        EXPECT_TRUE(storage.isSupported(2));
    }
    link.stop();
    EXPECT_EQ(radio.log().size(), 3u);
}

}  // namespace
}  // namespace vantrel
