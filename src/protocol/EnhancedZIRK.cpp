#include "protocol/EnhancedZIRK.h"

#include "protocol/CaptureArea.h"
#include "protocol/RadioProtocolError.h"
#include "protocol/SupportFlags.h"
#include "protocol/ZIRKAutoTuneRequest.h"
#include "protocol/ZIRKBBORequest.h"
#include "protocol/ZIRKChannelRequest.h"
#include "protocol/ZIRKKeyRequest.h"
#include "protocol/ZIRKRadioInfoRequest.h"
#include "protocol/ZIRKReadRSSIRequest.h"
#include "protocol/ZIRKReadRequest.h"
#include "protocol/ZIRKReadTuneRequest.h"
#include "protocol/ZIRKResetRequest.h"
#include "protocol/ZIRKSoftpotReadRequest.h"
#include "protocol/ZIRKSoftpotWriteRequest.h"
#include "protocol/ZIRKTempCompRequest.h"
#include "protocol/ZIRKTestModeRequest.h"
#include "protocol/ZIRKWriteRequest.h"
#include "protocol/ZIRKWriteSerialNoRequest.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace vantrel {

std::uint32_t EnhancedZIRK::block() const { return std::max<std::uint32_t>(blockSize_, 1); }

void EnhancedZIRK::keyUp() { ZIRKKeyUpRequest().transact(port()); }

void EnhancedZIRK::dekey() { ZIRKDekeyRequest().transact(port()); }

void EnhancedZIRK::reset() { ZIRKResetRequest().transact(port()); }

void EnhancedZIRK::readMemory(std::span<std::uint8_t> destination, std::uint32_t address, std::uint32_t count) {
    CommunicationPort& line = port();
    if (count > destination.size()) throw std::out_of_range("memory read larger than its destination");
    const std::uint32_t size = block();
    std::uint32_t offset = 0;
    for (; offset + size <= count; offset += size) {
        ZIRKReadRequest(destination.subspan(offset), address + offset, static_cast<std::uint8_t>(size)).transact(line);
    }
    if (offset < count) {
        // The raw answer lands where the partial block belongs: at the start of destination for
        // every read shorter than a block, and never over the full blocks before it.
        const auto rest = static_cast<std::uint8_t>(count - offset);
        const std::span<std::uint8_t> tail = destination.subspan(offset);
        ZIRKReadRequest(tail, address + offset, rest).transactData(line, tail);
    }
}

void EnhancedZIRK::writeMemory(std::span<const std::uint8_t> source, std::uint32_t address, std::uint32_t count) {
    CommunicationPort& line = port();
    if (count > source.size()) throw std::out_of_range("memory write larger than its source");
    std::optional<std::uint32_t> pending;
    for (std::uint32_t offset = 0; offset < count;) {
        const std::uint32_t length = std::min(block(), count - offset);
        ZIRKWriteRequest request(source.subspan(offset, length), address + offset, pending);
        request.transact(line);
        if (request.outcome() != ZIRKWriteRequest::Outcome::Complete) pending = request.address();
        offset += length;
    }
    if (pending) confirmPendingWrite(*pending);
}

void EnhancedZIRK::confirmPendingWrite(std::uint32_t pending) {
    // The empty write asks the radio about the write still in progress. A radio that keeps
    // reporting "in progress" is given a bounded number of chances, not an endless loop.
    for (int attempt = 0; attempt < kPendingWriteChecks; ++attempt) {
        ZIRKWriteRequest request({}, 0, pending);
        request.transact(port());
        if (request.outcome() != ZIRKWriteRequest::Outcome::Pending) return;
    }
    throw BadReply();
}

void EnhancedZIRK::readModelNumber(std::span<std::uint8_t> buffer) {
    ZIRKRadioModelNoRequest().transactData(port(), buffer);
}

void EnhancedZIRK::readSerialNumber(std::span<std::uint8_t> buffer) {
    ZIRKRadioSerialNoRequest().transactData(port(), buffer);
}

void EnhancedZIRK::readICVersion(std::span<std::uint8_t> buffer) {
    ZIRKRadioICVersionRequest().transactData(port(), buffer);
}

void EnhancedZIRK::readPowerUpStatus(std::span<std::uint8_t> buffer) {
    ZIRKRadioPowerUpRequest().transactData(port(), buffer);
}

void EnhancedZIRK::readTune(std::span<std::uint8_t> buffer) { ZIRKReadTuneRequest().transactData(port(), buffer); }

void EnhancedZIRK::readTempComp(std::span<std::uint8_t> buffer) { ZIRKTempCompRequest().transactData(port(), buffer); }

void EnhancedZIRK::readRSSI(std::span<std::uint8_t> buffer) { ZIRKReadRSSIRequest().transactData(port(), buffer); }

void EnhancedZIRK::readRSSICalDac(std::uint8_t selector, std::span<std::uint8_t> buffer) {
    ZIRKReadRSSICalDacRequest(selector).transactData(port(), buffer);
}

void EnhancedZIRK::readBBO(std::uint8_t selector, std::uint8_t index, std::span<std::uint8_t> buffer) {
    ZIRKReadBBORequest(selector, index).transactData(port(), buffer);
}

void EnhancedZIRK::writeBBO(std::uint8_t selector, std::uint8_t control, std::uint8_t value) {
    ZIRKWriteBBORequest(selector, control, value).transact(port());
}

void EnhancedZIRK::writeSerialNumber(const std::string& text) { ZIRKWriteSerialNoRequest(text).transact(port()); }

void EnhancedZIRK::writeSoftpot(std::uint8_t softpot, std::uint8_t mode, std::uint32_t value, std::uint32_t width) {
    CommunicationPort& line = port();
    ZIRKSoftpotWriteRequest(softpot, mode, value, width).transact(line);
}

void EnhancedZIRK::writeSoftpotBytes(std::uint8_t softpot, std::uint8_t mode, const std::uint8_t* bytes,
                                     std::uint32_t count) {
    CommunicationPort& line = port();
    ZIRKSoftpotWriteRequest(softpot, mode, bytes, count).transact(line);
}

void EnhancedZIRK::writeSoftpotRecorded(SupportFlags& storage, std::uint8_t softpot, std::uint8_t mode,
                                        std::uint32_t value, std::uint32_t width) {
    CommunicationPort& line = port();
    ZIRKSoftpotWriteRequest(softpot, mode, value, width)
        .transactRecord(line, storage, supportCode::kRecordedPowerCommit);
}

void EnhancedZIRK::writeSoftpotBytesRecorded(SupportFlags& storage, std::uint8_t softpot, std::uint8_t mode,
                                             const std::uint8_t* bytes, std::uint32_t count) {
    CommunicationPort& line = port();
    ZIRKSoftpotWriteRequest(softpot, mode, bytes, count).transactRecord(line, storage, supportCode::kAllPointsWrite);
}

std::uint32_t EnhancedZIRK::readSoftpot(std::uint8_t softpot, std::uint32_t& value) {
    CommunicationPort& line = port();
    ZIRKSoftpotReadRequest request(softpot, ZIRKSoftpotReadRequest::kSingleValue);
    request.transact(line);
    value = request.value();
    return request.width();
}

void EnhancedZIRK::readSoftpotRecorded(std::uint8_t softpot, std::uint32_t& value, SupportFlags& storage, int code) {
    CommunicationPort& line = port();
    ZIRKSoftpotReadRequest request(softpot, ZIRKSoftpotReadRequest::kSingleValue);
    request.transactRecord(line, storage, code);
    if (request.hasValue()) value = request.value();
}

void EnhancedZIRK::readSoftpotAllPoints(std::uint8_t softpot, SupportFlags& storage, int code) {
    CommunicationPort& line = port();
    ZIRKSoftpotReadRequest(softpot, ZIRKSoftpotReadRequest::kAllPoints).transactRecordAll(line, storage, code);
}

std::uint8_t EnhancedZIRK::pointByte(std::uint32_t i) const { return captureArea().capturedPayloadByte(i); }

void EnhancedZIRK::autoTune(std::uint8_t softpot, std::uint32_t& value, SupportFlags& storage, int code) {
    CommunicationPort& line = port();
    ZIRKAutoTuneRequest request(softpot);
    request.transactRecord(line, storage, code);
    if (request.hasValue()) value = request.value();
}

void EnhancedZIRK::selectChannel(std::uint16_t value) { ZIRKChannelRequest(value).transact(port()); }

void EnhancedZIRK::selectChannels(std::uint16_t transmit, std::uint16_t receive) {
    ZIRKChannelRequest(transmit, receive).transact(port());
}

void EnhancedZIRK::testMode(std::uint8_t function, std::uint8_t level, std::uint8_t spacing) {
    ZIRKTestModeRequest(function, level, spacing).transact(port());
}

}  // namespace vantrel
