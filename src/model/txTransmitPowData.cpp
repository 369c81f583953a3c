#include "model/txTransmitPowData.h"

#include "model/radioStorage.h"
#include "protocol/EnhancedZIRK.h"

namespace vantrel {

namespace {
constexpr std::uint8_t kClosing = 129;

std::optional<std::uint8_t> levelByte(int level) {
    switch (level) {
        case 1:
            return std::uint8_t{0};
        case 2:
            return std::uint8_t{2};
        default:
            return std::nullopt;
    }
}
}  // namespace

void txPowerLevelData::setupTestMode(int level, EnhancedZIRK& conn, bool first, bool second) const {
    if (const auto byte = levelByte(level)) sendPairedTestMode(first, second, *byte, spacingCode(), kClosing, conn);
}

void txTransmitPowData::commitRecorded(std::uint32_t value, radioStorage& storage, EnhancedZIRK& conn) const {
    conn.writeSoftpotRecorded(storage, family().softpot, static_cast<std::uint8_t>(WriteMode::Commit), value,
                              family().width);
}

void txTransmitPowData::commitKandM(std::uint32_t value, EnhancedZIRK& conn) const {
    write(SoftpotFamily::KandM, WriteMode::Commit, value, conn);
}

void txTransmitPowData::readHighPower(radioStorage& storage, EnhancedZIRK& conn) const {
    read(SoftpotFamily::TransmitHighPower, storage, conn);
}

void txTransmitPowData::readLowPower(radioStorage& storage, EnhancedZIRK& conn) const {
    read(SoftpotFamily::TransmitLowPower, storage, conn);
}

void txTransmitPowData::readSoftpot28(radioStorage& storage, EnhancedZIRK& conn) const {
    read(SoftpotFamily::Softpot28, storage, conn);
}

void txTransmitPowData::readKandM(radioStorage& storage, EnhancedZIRK& conn) const {
    read(SoftpotFamily::KandM, storage, conn);
}

}  // namespace vantrel
