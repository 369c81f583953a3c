#include "link/CommunicationError.h"
#include "link/VirtualLine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace vantrel {
namespace {

// The code of the failure a line-error word raises, or nullopt when it raises none.
std::optional<std::int32_t> raisedFor(std::int32_t word) {
    try {
        raiseLineError(word);
    } catch (const CommunicationError& e) {
        return e.code();
    }
    return std::nullopt;
}

TEST(LineError, EachConditionHasItsFailure) {
    EXPECT_EQ(raisedFor(0), std::nullopt);
    EXPECT_EQ(raisedFor(-12), BaudRateSettingError::kCode);
    EXPECT_EQ(raisedFor(-11), CharacterSizeSettingError::kCode);
    EXPECT_EQ(raisedFor(0x10), BreakDetected::kCode);
    EXPECT_EQ(raisedFor(0x08), FramingError::kCode);
    EXPECT_EQ(raisedFor(0x02), OverrunError::kCode);
    EXPECT_EQ(raisedFor(0x04), ParityError::kCode);
    EXPECT_EQ(raisedFor(0x01), InputBufferFull::kCode);
    EXPECT_EQ(raisedFor(0x100), OutputBufferFull::kCode);
    EXPECT_EQ(raisedFor(0x20), GeneralCommunicationError::kCode);
    EXPECT_EQ(raisedFor(0x8000), GeneralCommunicationError::kCode);
}

TEST(LineError, FirstMatchingConditionWinsWhenSeveralAreSet) {
    EXPECT_EQ(raisedFor(0x18), BreakDetected::kCode);      // break with framing
    EXPECT_EQ(raisedFor(0x0E), FramingError::kCode);       // framing, parity, overrun
    EXPECT_EQ(raisedFor(0x06), OverrunError::kCode);       // overrun before parity
    EXPECT_EQ(raisedFor(0x105), ParityError::kCode);       // parity before queue conditions
    EXPECT_EQ(raisedFor(0x101), InputBufferFull::kCode);   // receive queue before transmit queue
    EXPECT_EQ(raisedFor(0x120), OutputBufferFull::kCode);  // a known bit beside unknown ones
}

TEST(LineError, CodesAreTheDocumentedNumbers) {
    EXPECT_EQ(GeneralCommunicationError().code(), 6000);
    EXPECT_EQ(BaudRateSettingError().code(), 6001);
    EXPECT_EQ(CharacterSizeSettingError().code(), 6003);
    EXPECT_EQ(PortInUseError().code(), 6005);
    EXPECT_EQ(BreakDetected().code(), 6006);
    EXPECT_EQ(FramingError().code(), 6007);
    EXPECT_EQ(OverrunError().code(), 6008);
    EXPECT_EQ(ParityError().code(), 6009);
    EXPECT_EQ(InputBufferFull().code(), 6010);
    EXPECT_EQ(OutputBufferFull().code(), 6011);
    EXPECT_EQ(DataCollision().code(), 6013);
    EXPECT_EQ(TimeoutOnReceive().code(), 6014);
}

class LineSettings : public ::testing::Test {
protected:
    VirtualClock clock;
    VirtualLine line{clock};
    VirtualLinePort port{line};
};

TEST_F(LineSettings, DataBitCountsOutsideFourToEightAreRefused) {
    for (int bad : {9, 3, 0, -8}) {
        try {
            port.setDataBits(bad);
            ADD_FAILURE() << bad << " data bits were accepted";
        } catch (const CharacterSizeSettingError& e) {
            EXPECT_EQ(e.code(), 6003);
        }
    }
    EXPECT_THROW(port.configure(9600, parity::kNone, 9, stopbits::kOne), CharacterSizeSettingError);
    EXPECT_EQ(port.dataBits(), 8);
}

TEST_F(LineSettings, AcceptedSettingsStillRunTenBitCharactersAt9600) {
    port.setDataBits(7);
    EXPECT_EQ(port.dataBits(), 8);
    port.setDataBits(4);
    EXPECT_EQ(port.dataBits(), 8);
    port.setBaudRate(19200);
    EXPECT_EQ(port.baudRate(), 9600u);
    port.configure(115200, parity::kNone, 5, stopbits::kOne);
    EXPECT_EQ(port.baudRate(), 9600u);
    EXPECT_DOUBLE_EQ(port.bitsPerCharacter(), 10.0);
    EXPECT_DOUBLE_EQ(port.characterTime(), 10.0 / 9600.0);
    EXPECT_EQ(port.tickMs(), 1u);
    EXPECT_EQ(port.ticksFor(2.0), 1920u);
}

TEST_F(LineSettings, UnknownParityAndStopCodesKeepTheOldOnes) {
    port.setParity(parity::kOdd);
    port.setParity(3);
    port.setParity(-1);
    EXPECT_EQ(port.parity(7), parity::kOdd);
    port.setStopBits(stopbits::kTwo);
    port.setStopBits(5);
    EXPECT_EQ(port.stopBits(7), stopbits::kTwo);
    EXPECT_DOUBLE_EQ(port.bitsPerCharacter(), 8 + 1 + 1 + 2.0);
    port.configure(9600, 9, 8, 9);
    EXPECT_EQ(port.parity(7), parity::kOdd);
    EXPECT_EQ(port.stopBits(7), stopbits::kTwo);
    port.configure(9600, parity::kNone, 8, stopbits::kOneAndHalf);
    EXPECT_EQ(port.parity(7), parity::kNone);
    EXPECT_DOUBLE_EQ(port.bitsPerCharacter(), 10.5);
}

}  // namespace
}  // namespace vantrel
