#pragma once

#include "protocol/RadioProtocol.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace vantrel {

class SupportFlags;

// The only way the rest of the program talks to a radio. Every operation requires a port,
// builds one request, runs one of its transact operations and discards it.
//
// Data-returning operations hand back the raw response frame, header first: byte 1 is the
// response opcode and, with the usual 2-byte header, the payload starts at byte 2.
class EnhancedZIRK : public RadioProtocol {
public:
    // Large enough for any captured response and for the 24 bytes of a late one.
    using Response = std::array<std::uint8_t, 64>;

    explicit EnhancedZIRK(std::uint8_t blockSize = 64) : blockSize_(blockSize) {}
    std::uint8_t blockSize() const { return blockSize_; }

    void keyUp() override;
    void dekey() override;
    void reset() override;
    void readMemory(std::span<std::uint8_t> destination, std::uint32_t address, std::uint32_t count) override;
    void writeMemory(std::span<const std::uint8_t> source, std::uint32_t address, std::uint32_t count) override;

    void readModelNumber(std::span<std::uint8_t> buffer);
    void readSerialNumber(std::span<std::uint8_t> buffer);
    void readICVersion(std::span<std::uint8_t> buffer);
    void readPowerUpStatus(std::span<std::uint8_t> buffer);
    void readTune(std::span<std::uint8_t> buffer);
    void readTempComp(std::span<std::uint8_t> buffer);
    void readRSSI(std::span<std::uint8_t> buffer);
    void readRSSICalDac(std::uint8_t selector, std::span<std::uint8_t> buffer);
    void readBBO(std::uint8_t selector, std::uint8_t index, std::span<std::uint8_t> buffer);
    void writeBBO(std::uint8_t selector, std::uint8_t control, std::uint8_t value);
    void writeSerialNumber(const std::string& text);

    void writeSoftpot(std::uint8_t softpot, std::uint8_t mode, std::uint32_t value, std::uint32_t width);
    void writeSoftpotBytes(std::uint8_t softpot, std::uint8_t mode, const std::uint8_t* bytes, std::uint32_t count);
    void writeSoftpotRecorded(SupportFlags& storage, std::uint8_t softpot, std::uint8_t mode, std::uint32_t value,
                              std::uint32_t width);
    void writeSoftpotBytesRecorded(SupportFlags& storage, std::uint8_t softpot, std::uint8_t mode,
                                   const std::uint8_t* bytes, std::uint32_t count);
    // Returns the width in bytes of the value read.
    std::uint32_t readSoftpot(std::uint8_t softpot, std::uint32_t& value);
    void readSoftpotRecorded(std::uint8_t softpot, std::uint32_t& value, SupportFlags& storage, int code);
    void readSoftpotAllPoints(std::uint8_t softpot, SupportFlags& storage, int code);
    // Payload byte i of the last captured response.
    std::uint8_t pointByte(std::uint32_t i) const;
    void autoTune(std::uint8_t softpot, std::uint32_t& value, SupportFlags& storage, int code);
    void selectChannel(std::uint16_t value);
    void selectChannels(std::uint16_t transmit, std::uint16_t receive);
    void testMode(std::uint8_t function, std::uint8_t level, std::uint8_t spacing);

private:
    std::uint8_t blockSize_;
};

}  // namespace vantrel
