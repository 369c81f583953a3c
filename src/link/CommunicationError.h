#pragma once

#include <cstdint>
#include <exception>

namespace vantrel {

// Root of every failure of the radio link and the protocol. A failure carries a numeric
// code and no text: the command that caught it decides what the technician is told.
class Exception : public std::exception {
public:
    explicit Exception(std::int32_t code) : code_(code) {}
    std::int32_t code() const noexcept { return code_; }
    const char* what() const noexcept override;

private:
    std::int32_t code_;
};

class CommunicationError : public Exception {
public:
    using Exception::Exception;
};

// Declares a line failure class with its fixed code.
#define VANTREL_LINE_FAILURE(Name, Code)            \
    class Name : public CommunicationError {        \
    public:                                         \
        static constexpr std::int32_t kCode = Code; \
        Name() : CommunicationError(kCode) {}       \
    }

VANTREL_LINE_FAILURE(GeneralCommunicationError, 6000);
VANTREL_LINE_FAILURE(BaudRateSettingError, 6001);
VANTREL_LINE_FAILURE(CharacterSizeSettingError, 6003);
VANTREL_LINE_FAILURE(PortInUseError, 6005);
VANTREL_LINE_FAILURE(BreakDetected, 6006);
VANTREL_LINE_FAILURE(FramingError, 6007);
VANTREL_LINE_FAILURE(OverrunError, 6008);
VANTREL_LINE_FAILURE(ParityError, 6009);
VANTREL_LINE_FAILURE(InputBufferFull, 6010);
VANTREL_LINE_FAILURE(OutputBufferFull, 6011);
VANTREL_LINE_FAILURE(DataCollision, 6013);
VANTREL_LINE_FAILURE(TimeoutOnReceive, 6014);

#undef VANTREL_LINE_FAILURE

// Line-error word bits, as the serial driver reports them.
namespace lineerror {
constexpr std::int32_t kRxOver = 0x01;
constexpr std::int32_t kOverrun = 0x02;
constexpr std::int32_t kRxParity = 0x04;
constexpr std::int32_t kFrame = 0x08;
constexpr std::int32_t kBreak = 0x10;
constexpr std::int32_t kTxFull = 0x100;
constexpr std::int32_t kBadBaudRate = -12;
constexpr std::int32_t kBadByteSize = -11;
}  // namespace lineerror

// Raises the failure that a line-error word stands for; a word of 0 raises nothing.
// The first matching rule wins, so break-with-framing is reported as a break.
void raiseLineError(std::int32_t word);

}  // namespace vantrel
