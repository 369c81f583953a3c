#include "model/softpotBase.h"

#include "model/SoftpotReads.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "protocol/EnhancedZIRK.h"

#include <utility>

namespace vantrel {

namespace {
constexpr std::uint8_t kFirstHalf = 0;
constexpr std::uint8_t kSecondHalf = 1;
constexpr std::uint8_t mode(WriteMode m) { return static_cast<std::uint8_t>(m); }
}  // namespace

void softpotBase::updateSpacingCode(const radioStorage& storage) { spacingCode_ = channelSpacingCode(storage); }

void softpotBase::write(SoftpotFamily which, WriteMode writeMode, std::uint32_t value, EnhancedZIRK& conn) const {
    const SoftpotFamilyRow& row = catalogueRow(which);
    conn.writeSoftpot(row.softpot, mode(writeMode), value, row.width);
}

void softpotBase::liveWrite(std::uint32_t value, EnhancedZIRK& conn) const {
    write(family().family, WriteMode::Live, value, conn);
}

void softpotBase::commitWrite(std::uint32_t value, EnhancedZIRK& conn) const {
    write(family().family, WriteMode::Commit, value, conn);
}

void softpotBase::liveWriteByte(std::uint8_t softpot, std::uint32_t value, EnhancedZIRK& conn) const {
    conn.writeSoftpot(softpot, mode(WriteMode::Live), value, 1);
}

void softpotBase::commitByte(std::uint8_t softpot, std::uint32_t value, EnhancedZIRK& conn) const {
    conn.writeSoftpot(softpot, mode(WriteMode::Commit), value, 1);
}

void softpotBase::selectPoint(std::uint16_t transmit, std::uint16_t receive, EnhancedZIRK& conn) const {
    conn.selectChannels(transmit, receive);
}

void softpotBase::selectFrequencyPoint(int n, const radioStorage& storage, EnhancedZIRK& conn) const {
    const PointChannel channel = pointChannel(storage, n, onReceiveSide(family()));
    selectPoint(channel.transmit, channel.receive, conn);
}

std::uint32_t softpotBase::autoTune(radioStorage& storage, EnhancedZIRK& conn) const {
    std::uint32_t value = 0;
    conn.autoTune(family().softpot, value, storage, family().code);
    return value;
}

void softpotBase::sendTestMode(std::uint8_t function, std::uint8_t level, std::uint8_t spacing,
                               EnhancedZIRK& conn) const {
    conn.testMode(function, level, spacing);
}

void softpotBase::sendPairedTestMode(bool first, bool second, std::uint8_t level, std::uint8_t spacing,
                                     std::optional<std::uint8_t> closing, EnhancedZIRK& conn) const {
    for (const auto& [wanted, function] : {std::pair{first, kFirstHalf}, std::pair{second, kSecondHalf}}) {
        if (!wanted) continue;
        sendTestMode(function, level, spacing, conn);
        if (closing) sendTestMode(*closing, level, spacing, conn);
    }
}

std::optional<std::uint8_t> softpotBase::codeForSpacing(int spacing) {
    if (spacing < 1 || spacing > 3) return std::nullopt;
    return static_cast<std::uint8_t>(3 - spacing);
}

void softpotBase::read(SoftpotFamily family, radioStorage& storage, EnhancedZIRK& conn) const {
    readFamily(catalogueRow(family), storage, conn);
}

}  // namespace vantrel
