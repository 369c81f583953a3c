#include "protocol/cominit.h"

#include "link/PortConfigurationFile.h"
#include "support/ScopedProgramDirectory.h"
#include "support/ScriptedPeer.h"
#include "support/VirtualPortOpener.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantrel {
namespace {

class cominitTest : public ::testing::Test {
protected:
    testing::ScopedProgramDirectory folder;
};

TEST_F(cominitTest, OpensThePortNamedInComIniAndTalksThroughIt) {
    testing::VirtualPortOpener opener;
    testing::ScriptedPeer radio(opener.line);
    radio.answer(testing::Answer::ackOnly());
    writePortNumber(3);

    cominit conn;
    EXPECT_EQ(opener.requested, std::vector<std::int32_t>{3});
    EXPECT_EQ(conn.setup().portNumber(), 3);
    EXPECT_EQ(conn.communicationPort().portNumber(), 3u);
    EXPECT_EQ(conn.blockSize(), 64);

    conn.reset();
    ASSERT_EQ(radio.frames().size(), 1u);
    EXPECT_EQ(radio.frames()[0], (testing::Bytes{0xF1, 0x10, 0xFE}));
}

TEST_F(cominitTest, ClosesThePortOnEveryWayOut) {
    testing::VirtualPortOpener opener;
    writePortNumber(1);
    {
        cominit conn;
        EXPECT_EQ(opener.closed, 0);
    }
    EXPECT_EQ(opener.closed, 1);

    // No radio on the line: the action fails, and the port is closed all the same.
    try {
        cominit conn;
        conn.keyUp();
        FAIL() << "an exchange without a radio cannot succeed";
    } catch (const CommunicationError&) {}
    EXPECT_EQ(opener.opened, 2);
    EXPECT_EQ(opener.closed, 2);
}

TEST_F(cominitTest, PortThatCannotBeOpenedRaisesPortInUse) {
    testing::VirtualPortOpener opener;
    writePortNumber(2);
    opener.refuse = true;
    EXPECT_THROW(cominit(), PortInUseError);
}

TEST_F(cominitTest, OpenerHandingOutNothingCountsAsPortInUse) {
    struct EmptyOpener : PortOpener {
        std::unique_ptr<CommunicationPort> open(std::int32_t) override { return nullptr; }
    } empty;
    ScopedPortOpener scope(empty);
    writePortNumber(2);
    EXPECT_THROW(cominit(), PortInUseError);
}

TEST_F(cominitTest, VanishedComIniReusesTheLastPortNumber) {
    testing::VirtualPortOpener opener;
    writePortNumber(2);
    { cominit conn; }
    std::filesystem::remove(portConfigurationPath());
    { cominit conn; }
    EXPECT_EQ(opener.requested, (std::vector<std::int32_t>{2, 2}));
}

TEST_F(cominitTest, SystemPortZeroNeverOpens) {
    // "COM Port Id :-1" reads as port 0, which names no device.
    writePortNumber(-1);
    EXPECT_THROW(cominit(), PortInUseError);
}

TEST_F(cominitTest, ScopedOpenerPutsBackTheOneBefore) {
    PortOpener& system = portOpener();
    {
        testing::VirtualPortOpener outer;
        {
            testing::VirtualPortOpener inner;
            EXPECT_EQ(&portOpener(), &inner);
        }
        EXPECT_EQ(&portOpener(), &outer);
    }
    EXPECT_EQ(&portOpener(), &system);
}

}  // namespace
}  // namespace vantrel
