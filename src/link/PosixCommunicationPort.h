#pragma once

#include "link/SerialPortBase.h"

#include <filesystem>
#include <string>

namespace vantrel {

// The host serial port on Linux and macOS, through termios. COM n is the device that the link
// `com<n>` in the program folder points to, else /dev/ttyS(n-1), so a USB adapter or the radio
// simulator's pseudo-terminal is used by linking `com1` to it.
//
// The device is opened exclusively; a port that another holder (this program or any other) has
// open raises PortInUseError, and so does a device that cannot be opened at all (a
// PortOpenFailure that names the device and the cause). The line always
// runs 9600 8N1, raw, without flow control, with DTR and RTS held off. Reads never block: a read
// returns what has arrived, and the exchange engine waits for bytes before it reads them.
class PosixCommunicationPort : public SerialPortBase {
public:
    PosixCommunicationPort(std::uint32_t portNumber, std::uint32_t baudRate, int parity, int dataBits, int stopBits,
                           std::int32_t echoCheckSetting, Clock& clock = systemClock());
    // Opens a device named directly; its port number is 0.
    PosixCommunicationPort(const std::filesystem::path& device, std::uint32_t baudRate, int parity, int dataBits,
                           int stopBits, std::int32_t echoCheckSetting, Clock& clock = systemClock());
    ~PosixCommunicationPort() override;

    PosixCommunicationPort(const PosixCommunicationPort&) = delete;
    PosixCommunicationPort& operator=(const PosixCommunicationPort&) = delete;

    std::uint32_t receive(std::uint8_t* buffer, std::uint32_t count) override;
    void purgeReceive() override;
    std::uint32_t bytesAvailable() override;

    const std::filesystem::path& device() const { return device_; }

    // The device that COM portNumber stands for; empty for port 0, which names no port.
    static std::filesystem::path deviceFor(std::uint32_t portNumber);

protected:
    bool sendByte(std::uint8_t byte) override;
    void applyLineFormat() override;

private:
    PosixCommunicationPort(std::uint32_t portNumber, std::filesystem::path device, std::uint32_t baudRate, int parity,
                           int dataBits, int stopBits, std::int32_t echoCheckSetting, Clock& clock);

    // The open device: closed on every way out, including a constructor that fails half way.
    class Descriptor {
    public:
        Descriptor() = default;
        ~Descriptor();
        Descriptor(const Descriptor&) = delete;
        Descriptor& operator=(const Descriptor&) = delete;
        void reset(int fd);
        // Claims the terminal for this descriptor alone; the claim is given up on close.
        void claimExclusively();
        int get() const { return fd_; }

    private:
        int fd_ = -1;
        bool exclusive_ = false;
    };

    void openExclusively();
    std::string describedDevice() const;
    void holdControlLinesOff();

    std::filesystem::path device_;
    Descriptor fd_;
};

}  // namespace vantrel
