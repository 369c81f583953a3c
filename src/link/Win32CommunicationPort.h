#pragma once

#include "link/SerialPortBase.h"

#include <memory>
#include <string>

namespace vantrel {

// The host serial port on Windows, through the Win32 communication calls. COM n is opened by its
// device name "\\.\COMn", which reaches every port number (the plain "COMn" form stops at COM9).
//
// The device is opened with no sharing, so a port that another program (or another port object)
// holds raises PortInUseError, as does a port that does not exist. Where the host does not enforce
// that (Wine), a named claim per port number still keeps our own connections apart. The line always runs 9600 8N1
// without flow control, DTR and RTS held off. Reads return after about a millisecond per byte asked
// for, with what has arrived; the exchange engine waits for bytes before it reads them.
class Win32CommunicationPort : public SerialPortBase {
public:
    Win32CommunicationPort(std::uint32_t portNumber, std::uint32_t baudRate, int parity, int dataBits, int stopBits,
                           std::int32_t echoCheckSetting, Clock& clock = systemClock());
    ~Win32CommunicationPort() override;

    Win32CommunicationPort(const Win32CommunicationPort&) = delete;
    Win32CommunicationPort& operator=(const Win32CommunicationPort&) = delete;

    std::uint32_t receive(std::uint8_t* buffer, std::uint32_t count) override;
    void purgeReceive() override;
    std::uint32_t bytesAvailable() override;

    // The device name that opens COM portNumber.
    static std::string deviceNameFor(std::uint32_t portNumber);
    // The open device handle (a HANDLE), for looking at the device's own view of the line.
    void* nativeHandle() const;

protected:
    bool sendByte(std::uint8_t byte) override;
    void applyLineFormat() override;

private:
    // The open handle and the line settings record fetched from it; the handle is closed on
    // every way out, including a constructor that fails half way.
    struct Device;

    void setReadTimeouts();
    void fetchLineSettings();
    // Fetches the device's line-error word (clearing it) and raises what it stands for.
    void raisePendingLineError();
    // The same, for a refused setting call: a refusal without a line error is a failure too.
    [[noreturn]] void raiseRefusedSetting();

    std::unique_ptr<Device> device_;
};

}  // namespace vantrel
