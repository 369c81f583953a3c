#pragma once

#include "link/CommunicationPort.h"

namespace vantrel {

// What every real port shares: the stored line settings with their acceptance rules, the
// byte-at-a-time transmission with the pauses after it, and the optional echo comparison.
// A backend supplies the device operations; the line format it applies is always 9600 8N1
// without flow control, whatever was stored.
class SerialPortBase : public CommunicationPort {
public:
    static constexpr std::uint32_t kFixedBaudRate = 9600;
    static constexpr std::uint32_t kPauseAfterTransmit = 110;
    static constexpr std::uint32_t kPauseAfterVerifiedTransmit = 175;

    SerialPortBase(std::uint32_t portNumber, std::int32_t echoCheckSetting, Clock& clock);

    void transmitVerified(const std::uint8_t* bytes, std::uint32_t count) override;
    void transmit(const std::uint8_t* bytes, std::uint32_t count) override;
    double characterTime() override;

    std::uint32_t portNumber() override { return portNumber_; }
    void configure(std::uint32_t baudRate, int parity, int dataBits, int stopBits) override;
    void setBaudRate(std::uint32_t rate) override;
    std::uint32_t baudRate() override { return baudRate_; }
    void setParity(int code) override;
    int parity(int fallback) override;
    void setDataBits(int count) override;
    int dataBits() override { return dataBits_; }
    void setStopBits(int code) override;
    int stopBits(int fallback) override;
    double bitsPerCharacter() override;

protected:
    // Hands one byte to the device; returns false while the device cannot take it yet.
    virtual bool sendByte(std::uint8_t byte) = 0;
    // Writes the fixed line format to the device.
    virtual void applyLineFormat() = 0;

private:
    void sendAll(const std::uint8_t* bytes, std::uint32_t count);
    void storeParity(int code);
    void storeDataBits(int count);
    void storeStopBits(int code);

    std::uint32_t portNumber_;
    std::uint32_t baudRate_ = kFixedBaudRate;
    int parity_ = parity::kNone;
    int dataBits_ = 8;
    int stopBits_ = stopbits::kOne;
};

}  // namespace vantrel
