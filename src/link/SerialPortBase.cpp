#include "link/SerialPortBase.h"

#include "link/CommunicationError.h"

#include <vector>

namespace vantrel {

namespace {
bool isLineCode(int code) { return code >= 0 && code <= 2; }
}  // namespace

SerialPortBase::SerialPortBase(std::uint32_t portNumber, std::int32_t echoCheckSetting, Clock& clock)
    : CommunicationPort(echoCheckSetting, clock), portNumber_(portNumber) {}

void SerialPortBase::sendAll(const std::uint8_t* bytes, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) {
        while (!sendByte(bytes[i])) clock().sleep(1);
    }
}

void SerialPortBase::transmitVerified(const std::uint8_t* bytes, std::uint32_t count) {
    sendAll(bytes, count);
    clock().sleep(kPauseAfterVerifiedTransmit);
    if (echoCheck == 0) return;
    waitForBytes(count, 1);
    std::vector<std::uint8_t> echo(count);
    const std::uint32_t got = receive(echo.data(), count);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (i >= got || echo[i] != bytes[i]) throw DataCollision();
    }
}

void SerialPortBase::transmit(const std::uint8_t* bytes, std::uint32_t count) {
    sendAll(bytes, count);
    clock().sleep(kPauseAfterTransmit);
}

double SerialPortBase::characterTime() { return bitsPerCharacter() / static_cast<double>(baudRate()); }

void SerialPortBase::storeParity(int code) {
    if (isLineCode(code)) parity_ = code;
}

void SerialPortBase::storeDataBits(int count) {
    if (count < 4 || count > 8) throw CharacterSizeSettingError();
    dataBits_ = 8;  // the radio line only ever runs with eight data bits
}

void SerialPortBase::storeStopBits(int code) {
    if (isLineCode(code)) stopBits_ = code;
}

void SerialPortBase::configure(std::uint32_t, int parityCode, int dataBitCount, int stopBitCode) {
    baudRate_ = kFixedBaudRate;
    storeParity(parityCode);
    storeDataBits(dataBitCount);
    storeStopBits(stopBitCode);
    applyLineFormat();
}

void SerialPortBase::setBaudRate(std::uint32_t) {
    baudRate_ = kFixedBaudRate;
    applyLineFormat();
}

void SerialPortBase::setParity(int code) {
    storeParity(code);
    applyLineFormat();
}

int SerialPortBase::parity(int fallback) { return isLineCode(parity_) ? parity_ : fallback; }

void SerialPortBase::setDataBits(int count) {
    storeDataBits(count);
    applyLineFormat();
}

void SerialPortBase::setStopBits(int code) {
    storeStopBits(code);
    applyLineFormat();
}

int SerialPortBase::stopBits(int fallback) { return isLineCode(stopBits_) ? stopBits_ : fallback; }

double SerialPortBase::bitsPerCharacter() {
    static constexpr double kStopBits[] = {1.0, 1.5, 2.0};
    return dataBits_ + parity_ + 1 + kStopBits[stopBits_];
}

}  // namespace vantrel
