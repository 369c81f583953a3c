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

    // How many empty writes may ask about a write the radio keeps reporting as in progress
    // before we give up with BadReply.
    static constexpr int kPendingWriteChecks = 8;

    explicit EnhancedZIRK(std::uint8_t blockSize = 64) : blockSize_(blockSize) {}
    std::uint8_t blockSize() const { return blockSize_; }

    void keyUp() override;
    void dekey() override;
    void reset() override;
    // Full blocks land as data alone at their offset; a final partial block (every read shorter
    // than a block) lands as the raw answer frame at its own offset, header first, so the data
    // of a short read start at byte 5 (byte 7 behind a long header). std::out_of_range when
    // count exceeds the destination.
    void readMemory(std::span<std::uint8_t> destination, std::uint32_t address, std::uint32_t count) override;
    // In blocks; a write the radio reports as in progress is confirmed before this returns.
    // BadWrite when the radio refuses a block; std::out_of_range when count exceeds the source.
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
    // The block size in use; a block size of 0 would never finish, so it counts as 1.
    std::uint32_t block() const;
    void confirmPendingWrite(std::uint32_t pending);

    std::uint8_t blockSize_;
};

}  // namespace vantrel
