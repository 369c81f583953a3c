#include "model/radioIdentity.h"

#include "model/RF_Frequency.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"
#include "protocol/EnhancedZIRK.h"
#include "protocol/Framing.h"
#include "protocol/RadioProtocolError.h"

namespace vantrel {

namespace {

using Reply = std::span<const std::uint8_t>;
using namespace identity;

struct ByteField {
    std::size_t first;
    std::size_t length;
};

constexpr ByteField kSerialField{3, 10};
constexpr ByteField kModelField{5, 16};
constexpr ByteField kICVersionField{3, 4};
constexpr ByteField kTempCompField{3, 4};

// A number of the read-tune reply and where it is kept.
struct PlanField {
    std::size_t byte;
    std::uint32_t width;
    int row;
    int entry;
};

constexpr PlanField kPlanFields[] = {
    {4, 2, kPlanRow, kBandBaseEntry},
    {6, 1, kPlanRow, kChannelSpacingMaskEntry},
    {40, 1, kKMRow, kDac1Entry},
    {41, 1, kKMRow, kDac2Entry},
    {42, 1, kPlanRow, kTuningVersionEntry},
    {43, 1, kBatteryRow, kBatteryTargetEntry},
};
constexpr std::size_t kFirstTransmitPointByte = 8;
constexpr std::size_t kFirstReceivePointByte = 24;
constexpr std::size_t kPlanReplyLength = 44;
// The one point a single-point model is tuned at.
constexpr int kSinglePoint = 3;

// The low band lies strictly between these frequencies.
constexpr std::uint32_t kLowBandAboveKHz = 29700;
constexpr std::uint32_t kLowBandBelowKHz = 50000;

void requireLength(Reply reply, std::size_t length) {
    if (reply.size() < length) throw BadReply();
}

std::string takeText(Reply reply, ByteField field) {
    requireLength(reply, field.first + field.length);
    const auto text = reply.subspan(field.first, field.length);
    return std::string(text.begin(), text.end());
}

std::uint32_t pointAt(Reply reply, std::size_t firstByte, int n) {
    return readBigEndian(reply.data() + firstByte + 2 * static_cast<std::size_t>(n - 1), 2);
}

// Stores the seven points of one half; returns how many are used.
int storePoints(Reply reply, std::size_t firstByte, bool receive, bool singlePoint, radioStorage& storage) {
    int used = 0;
    for (int n = 1; n <= RF_Frequency::kPoints; ++n) {
        const std::uint32_t value = singlePoint && n != kSinglePoint ? 0 : pointAt(reply, firstByte, n);
        const int entry = receive ? RF_Frequency::receiveEntry(n) : RF_Frequency::transmitEntry(n);
        storage.setValue(kPlanRow, entry, static_cast<std::int32_t>(value));
        if (value != 0) ++used;
    }
    return used;
}

}  // namespace

std::string decodeSerialNumber(Reply reply) { return takeText(reply, kSerialField); }
std::string decodeModelNumber(Reply reply) { return takeText(reply, kModelField); }
std::string decodeICVersion(Reply reply) { return takeText(reply, kICVersionField); }

FrequencyPlanUse storeFrequencyPlan(Reply reply, radioStorage& storage) {
    requireLength(reply, kPlanReplyLength);
    for (const PlanField& field : kPlanFields) {
        storage.setValue(field.row, field.entry,
                         static_cast<std::int32_t>(readBigEndian(reply.data() + field.byte, field.width)));
    }
    const bool singlePoint = radiomodel().isSinglePointModel(storage);
    FrequencyPlanUse use;
    use.transmitPoints = storePoints(reply, kFirstTransmitPointByte, false, singlePoint, storage);
    use.receivePoints = storePoints(reply, kFirstReceivePointByte, true, singlePoint, storage);
    return use;
}

void updateLowBandMarker(radioStorage& storage) {
    const auto bandBase = static_cast<std::uint32_t>(storage.value(kPlanRow, kBandBaseEntry));
    RF_Frequency frequency;
    bool lowBand = false;
    for (int n = 1; n <= RF_Frequency::kPoints; ++n) {
        const auto point = static_cast<std::uint32_t>(storage.value(kPlanRow, RF_Frequency::transmitEntry(n)));
        frequency.frequencyMHz(bandBase, point);
        // Compared in whole kHz: the same verdict as in MHz, without rounding at the edges.
        if (frequency.lastKHz() > kLowBandAboveKHz && frequency.lastKHz() < kLowBandBelowKHz) lowBand = true;
    }
    storage.setValue(kKMRow, kLowBandEntry, lowBand ? 1 : 0);
    storage.setValue(kDacMarkerRow, kDacMarkerEntry, 0);
}

void storeTempComp(Reply reply, radioStorage& storage) {
    requireLength(reply, kTempCompField.first + kTempCompField.length);
    for (std::size_t i = 0; i < kTempCompField.length; ++i) {
        storage.setValue(kPlanRow, kTempCompEntry + static_cast<int>(i), reply[kTempCompField.first + i]);
    }
}

void markIdentityInvalid(radioStorage& storage) { storage.setSerialNumber(kInvalidSerialNumber); }

std::uint8_t channelSpacingCode(std::int32_t mask) {
    if (mask & 0x4) return 2;
    if (mask & 0x2) return 1;
    return 0;
}

std::uint8_t channelSpacingCode(const radioStorage& storage) {
    return channelSpacingCode(storage.value(kPlanRow, kChannelSpacingMaskEntry));
}

void readIdentity(EnhancedZIRK& conn, radioStorage& storage) {
    EnhancedZIRK::Response reply{};
    conn.readSerialNumber(reply);
    storage.setSerialNumber(decodeSerialNumber(reply));
    reply.fill(0);
    conn.readModelNumber(reply);
    storage.setModelNumber(decodeModelNumber(reply));
    reply.fill(0);
    conn.readICVersion(reply);
    storage.setIcVersion(decodeICVersion(reply));
}

FrequencyPlanUse readFrequencyPlan(EnhancedZIRK& conn, radioStorage& storage) {
    EnhancedZIRK::Response reply{};
    conn.readTune(reply);
    return storeFrequencyPlan(reply, storage);
}

void readTempComp(EnhancedZIRK& conn, radioStorage& storage) {
    EnhancedZIRK::Response reply{};
    conn.readTempComp(reply);
    storeTempComp(reply, storage);
}

}  // namespace vantrel
