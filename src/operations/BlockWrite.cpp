#include "operations/BlockWrite.h"

#include "model/SoftpotCatalogue.h"
#include "model/SoftpotReads.h"
#include "model/radioStorage.h"
#include "protocol/EnhancedZIRK.h"

#include <vector>

namespace vantrel {

namespace {

std::uint8_t lowByte(std::int32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

std::vector<std::uint8_t> blockBytes(const SoftpotFamilyRow& row, const radioStorage& storage) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(row.entryCount));
    for (int i = 0; i < row.entryCount; ++i) bytes.push_back(lowByte(storage.value(row.row, row.firstEntry + i)));
    return bytes;
}

// The value of point n as one number: its entries' low bytes, first entry highest (K and M).
std::uint32_t pointValue(const SoftpotFamilyRow& row, const radioStorage& storage, int n) {
    std::uint32_t value = 0;
    const int perPoint = row.entriesPerPoint();
    for (int i = 0; i < perPoint; ++i) {
        value = (value << 8) | lowByte(storage.value(row.row, row.firstEntry + (n - 1) * perPoint + i));
    }
    return value;
}

void programPointByPoint(const SoftpotFamilyRow& row, radioStorage& storage, EnhancedZIRK& conn) {
    const bool receiveSide = onReceiveSide(row);
    for (int n = 1; n <= kPointCount; ++n) {
        const PointChannel channel = pointChannel(storage, n, receiveSide);
        if (receiveSide) {
            if (channel.receive == 0) continue;
            conn.selectChannel(channel.receive);
        } else {
            if (channel.transmit == 0) continue;
            conn.selectChannels(channel.transmit, channel.receive);
        }
        conn.writeSoftpot(row.softpot, static_cast<std::uint8_t>(WriteMode::Commit), pointValue(row, storage, n),
                          row.width);
    }
}

}  // namespace

bool allPointsWriteRule::allows(const radioStorage& storage) const {
    const bool restrictedSignalling = storage.isSupported(catalogueRow(SoftpotFamily::Select5).code) ||
                                      storage.isSupported(catalogueRow(SoftpotFamily::Mpt1327).code);
    return !restrictedSignalling || codeplugByte_ > kLastRestrictedCodeplug;
}

BlockWritten writeBlock(const SoftpotFamilyRow& row, bool allPointsAllowed, radioStorage& storage, EnhancedZIRK& conn) {
    if (allPointsAllowed) {
        const std::vector<std::uint8_t> bytes = blockBytes(row, storage);
        conn.writeSoftpotBytesRecorded(storage, row.softpot, static_cast<std::uint8_t>(WriteMode::AllPoints),
                                       bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    } else {
        storage.markUnsupported(supportCode::kAllPointsWrite);
    }
    if (storage.isSupported(supportCode::kAllPointsWrite)) return BlockWritten::AllPoints;
    programPointByPoint(row, storage, conn);
    return BlockWritten::PointByPoint;
}

}  // namespace vantrel
