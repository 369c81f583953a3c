#pragma once

#include "link/Clock.h"
#include "link/CommunicationInterface.h"

#include <cstdint>

namespace vantrel {

// Line-setting codes.
namespace parity {
constexpr int kNone = 0, kOdd = 1, kEven = 2;
}
namespace stopbits {
constexpr int kOne = 0, kOneAndHalf = 1, kTwo = 2;
}

// A serial port with its line settings and the waiting helpers that the exchange engine
// uses. All waits are counted in ticks (one character time, whole milliseconds) on the
// port's clock.
class CommunicationPort : public CommunicationInterface {
public:
    explicit CommunicationPort(std::int32_t echoCheckSetting, Clock& clock = systemClock())
        : echoCheck(echoCheckSetting), clock_(clock) {}

    virtual std::uint32_t portNumber() = 0;
    virtual void configure(std::uint32_t baudRate, int parity, int dataBits, int stopBits) = 0;
    virtual void setBaudRate(std::uint32_t rate) = 0;
    virtual std::uint32_t baudRate() = 0;
    virtual void setParity(int code) = 0;
    virtual int parity(int fallback) = 0;
    virtual void setDataBits(int count) = 0;
    virtual int dataBits() = 0;
    virtual void setStopBits(int code) = 0;
    virtual int stopBits(int fallback) = 0;
    virtual double bitsPerCharacter() = 0;

    // Returns the idle ticks spent in the last wait; raises TimeoutOnReceive when the count
    // of waiting bytes has not grown for idleLimit ticks in a row. A slow but steady stream
    // therefore never times out.
    std::uint32_t waitForBytes(std::uint32_t count, std::uint32_t idleLimit);
    std::uint32_t waitForByte(std::uint32_t idleLimit) { return waitForBytes(1, idleLimit); }
    std::uint8_t readByte(std::uint32_t idleLimit);
    void readBytes(std::uint8_t* buffer, std::uint32_t count, std::uint32_t idleLimit);
    std::uint32_t readWord(std::uint32_t idleLimit);

    // One character time truncated to whole milliseconds; 1 at 9600 baud.
    std::uint32_t tickMs();
    // A duration in seconds expressed in character times.
    std::uint32_t ticksFor(double seconds);

    Clock& clock() { return clock_; }

protected:
    std::int32_t echoCheck;

private:
    Clock& clock_;
};

}  // namespace vantrel
