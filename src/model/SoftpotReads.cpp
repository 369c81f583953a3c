#include "model/SoftpotReads.h"

#include "model/RF_Frequency.h"
#include "model/radioStorage.h"
#include "protocol/CaptureArea.h"
#include "protocol/EnhancedZIRK.h"
#include "protocol/RadioProtocolError.h"
#include "protocol/ZIRKCodes.h"

namespace vantrel {

namespace {

constexpr int kPlanRow = 0;
constexpr std::uint8_t kThresholdLevelsSelector = 0x19;
constexpr std::uint8_t kCalibrationSelector = 0x1A;
constexpr int kCalibrationEntry = 6;
constexpr int kThresholdCount = 3;
constexpr int kFirstReplyValue = 3;

std::uint16_t planValue(const radioStorage& storage, int entry) {
    return static_cast<std::uint16_t>(storage.value(kPlanRow, entry));
}

// Stores a value over `count` entries from `offset` on: whole in a single entry, or one byte
// per entry, high byte first (K and M share one 16-bit softpot value per point).
void storeValue(radioStorage& storage, const SoftpotFamilyRow& row, int offset, int count, std::uint32_t value) {
    for (int i = 0; i < count; ++i) {
        const std::uint32_t part = count == 1 ? value : (value >> (8 * (count - 1 - i))) & 0xFF;
        storage.setValue(row.row, row.firstEntry + offset + i, static_cast<std::int32_t>(part));
    }
}

// One single read; true (and the value stored) when the radio answered normally.
bool readSingle(const SoftpotFamilyRow& row, int offset, int count, radioStorage& storage, EnhancedZIRK& conn) {
    std::uint32_t value = 0;
    conn.readSoftpotRecorded(row.softpot, value, storage, row.code);
    if (!storage.isSupported(row.code)) return false;
    storeValue(storage, row, offset, count, value);
    return true;
}

// The all-points form, answered with one byte per stored entry, F1 first. The point bytes
// exist only in a response that was captured with the acknowledgement: a late answer leaves
// the capture area empty, and taking its zeros would overwrite every point of the block, so
// such an answer counts as no answer and the block is read point by point.
bool readAllPoints(const SoftpotFamilyRow& row, radioStorage& storage, EnhancedZIRK& conn) {
    conn.readSoftpotAllPoints(row.softpot, storage, supportCode::kAllPointsRead);
    if (!storage.isSupported(supportCode::kAllPointsRead) || !captureArea().hasCapturedResponse()) return false;
    for (int i = 0; i < row.entryCount; ++i) {
        storeValue(storage, row, i, 1, conn.pointByte(static_cast<std::uint32_t>(i) + 1));
    }
    storage.markSupported(row.code);
    return true;
}

void readPerPoint(const SoftpotFamilyRow& row, radioStorage& storage, EnhancedZIRK& conn) {
    if (readAllPoints(row, storage, conn)) return;
    const bool receiveSide = onReceiveSide(row);
    const int perPoint = row.entriesPerPoint();
    bool firstUsed = true;
    for (int n = 1; n <= kPointCount; ++n) {
        const PointChannel channel = pointChannel(storage, n, receiveSide);
        if ((receiveSide ? channel.receive : channel.transmit) == 0) continue;
        conn.selectChannels(channel.transmit, channel.receive);
        const bool answered = readSingle(row, (n - 1) * perPoint, perPoint, storage, conn);
        // A radio without the softpot says so at its first point; asking the others is futile.
        if (!answered && firstUsed && row.read == ReadRule::PerPointStops) return;
        firstUsed = false;
    }
}

// The single values of the narrower VCO spacings are kept at the last used transmit point,
// with that point's own receive half.
void readOnePoint(const SoftpotFamilyRow& row, radioStorage& storage, EnhancedZIRK& conn) {
    RF_Frequency frequency;
    const int point = frequency.lastTxPoint(storage);
    if (point == 0) return;
    conn.selectChannels(planValue(storage, RF_Frequency::transmitEntry(point)),
                        planValue(storage, RF_Frequency::receiveEntry(point)));
    readSingle(row, 0, row.entryCount, storage, conn);
}

// The radio answers the probe with 0 when its PA voltage limit can be read.
void readAfterProbe(const SoftpotFamilyRow& row, radioStorage& storage, EnhancedZIRK& conn) {
    std::uint32_t answer = 0;
    conn.autoTune(row.softpot, answer, storage, row.code);
    if (answer == 0 && storage.isSupported(row.code)) readPerPoint(row, storage, conn);
}

void readByte2(const SoftpotFamilyRow& row, radioStorage& storage, EnhancedZIRK& conn) {
    conn.readSoftpotAllPoints(row.softpot, storage, row.code);
    if (storage.isSupported(row.code) && captureArea().hasCapturedResponse()) {
        storeValue(storage, row, 0, 1, conn.pointByte(2));
    }
}

// A raw response holding a normal answer: something arrived, and not the unsupported reply.
bool answeredNormally(const EnhancedZIRK::Response& reply) {
    return reply[0] != 0 && reply[1] != opcodes::kUnsupported;
}

void storeReplyBytes(const EnhancedZIRK::Response& reply, const SoftpotFamilyRow& row, int offset,
                     radioStorage& storage) {
    for (int i = 0; i < kThresholdCount; ++i) storeValue(storage, row, offset + i, 1, reply[kFirstReplyValue + i]);
}

// Runs a data-returning request; the unsupported reply, whether it came with the
// acknowledgement or late (when the protocol raises it), ends up as byte 1 of the reply.
template <typename Request>
EnhancedZIRK::Response askRaw(Request&& request) {
    EnhancedZIRK::Response reply{};
    try {
        request(reply);
    } catch (const UnsupportedMessage&) {
        reply = {};
        reply[1] = opcodes::kUnsupported;
    }
    return reply;
}

// The thresholds' softpot values, then their levels in -dBm. A response that never came
// (acknowledged, then silence) changes nothing rather than storing zeros.
void readRssi(const SoftpotFamilyRow& row, radioStorage& storage, EnhancedZIRK& conn) {
    const auto values = askRaw([&](EnhancedZIRK::Response& r) { conn.readRSSI(r); });
    if (values[1] == opcodes::kUnsupported) {
        storage.markUnsupported(row.code);
        return;
    }
    if (!answeredNormally(values)) return;
    storage.markSupported(row.code);
    storeReplyBytes(values, row, 0, storage);
    const auto levels = askRaw([&](EnhancedZIRK::Response& r) { conn.readRSSICalDac(kThresholdLevelsSelector, r); });
    if (answeredNormally(levels)) storeReplyBytes(levels, row, kThresholdCount, storage);
}

}  // namespace

void readRssiCalibration(radioStorage& storage, EnhancedZIRK& conn) {
    const auto reply = askRaw([&](EnhancedZIRK::Response& r) { conn.readRSSICalDac(kCalibrationSelector, r); });
    if (!answeredNormally(reply)) return;
    const SoftpotFamilyRow& row = catalogueRow(SoftpotFamily::RssiThresholds);
    storeValue(storage, row, kCalibrationEntry, 1, reply[kFirstReplyValue]);
}

PointChannel pointChannel(const radioStorage& storage, int n, bool receiveSide) {
    RF_Frequency frequency;
    if (receiveSide) {
        return {static_cast<std::uint16_t>(frequency.partnerValue(storage, false, true, n)),
                planValue(storage, RF_Frequency::receiveEntry(n))};
    }
    return {planValue(storage, RF_Frequency::transmitEntry(n)),
            static_cast<std::uint16_t>(frequency.partnerValue(storage, true, false, n))};
}

void sendPreparation(std::span<const PreparationStep> steps, std::uint8_t spacingCode, EnhancedZIRK& conn) {
    for (const PreparationStep& step : steps) {
        if (step.kind == PreparationStep::Kind::LiveWrite) {
            conn.writeSoftpot(step.first, static_cast<std::uint8_t>(WriteMode::Live), step.second, 1);
            continue;
        }
        const auto spacing = step.spacing == kClassSpacing ? spacingCode : static_cast<std::uint8_t>(step.spacing);
        conn.testMode(step.first, step.second, spacing);
    }
}

void readFamily(const SoftpotFamilyRow& row, radioStorage& storage, EnhancedZIRK& conn) {
    switch (row.read) {
        case ReadRule::Single:
        case ReadRule::Discarded:
            readSingle(row, 0, row.entryCount, storage, conn);
            return;
        case ReadRule::PerPoint:
        case ReadRule::PerPointStops:
            readPerPoint(row, storage, conn);
            return;
        case ReadRule::OnePoint:
            readOnePoint(row, storage, conn);
            return;
        case ReadRule::ProbeThenPerPoint:
            readAfterProbe(row, storage, conn);
            return;
        case ReadRule::AllPointsByte2:
            readByte2(row, storage, conn);
            return;
        case ReadRule::Rssi:
            readRssi(row, storage, conn);
            return;
        case ReadRule::FrequencyPlan:
            return;
    }
}

}  // namespace vantrel
