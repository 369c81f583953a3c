#include "operations/radioProgramAll.h"

#include "model/RF_Frequency.h"
#include "model/SoftpotReads.h"
#include "model/modelPatternTable.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"
#include "operations/ProgressSink.h"
#include "operations/commandMessages.h"
#include "operations/programAllRecord.h"
#include "protocol/RadioProtocolError.h"
#include "protocol/ZIRKCodes.h"
#include "protocol/cominit.h"

#include <algorithm>
#include <array>

namespace vantrel {

namespace {

using F = SoftpotFamily;

// The codeplug byte that decides the all-points rule: address 2, one byte. A short read's
// answer lands header first; its data start behind the opcode and the 3 address bytes.
constexpr std::uint32_t kCodeplugAddress = 2;
constexpr std::size_t kShortReadDataByte = 5;

// The temperature compensation bytes go back as one commit of softpot 1.
constexpr std::uint8_t kTempCompSoftpot = 1;
constexpr int kTempCompBytes = 4;

// These models keep two RSSI thresholds; every other model three.
constexpr ModelTest kTwoThresholdModels[] = {
    ModelTest::PortableA, ModelTest::MobileA,   ModelTest::PortableB, ModelTest::MobileB,
    ModelTest::PortableC, ModelTest::PortableD, ModelTest::MobileC,   ModelTest::MobileD,
    ModelTest::PortableE, ModelTest::MobileE,   ModelTest::PortableG,
};
constexpr std::uint32_t kTwoThresholds = 2;
constexpr std::uint32_t kThreeThresholds = 3;

constexpr std::uint8_t mode(WriteMode m) { return static_cast<std::uint8_t>(m); }
std::uint8_t lowByte(std::int32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

// A radio that declines the memory read (its unsupported answer, captured or late) has no
// byte to offer; it is treated as the restrictive 0, which only ever costs point-by-point
// programming and never sends an all-points write the radio may not handle.
std::uint8_t readCodeplugByte(EnhancedZIRK& conn) {
    EnhancedZIRK::Response reply{};
    try {
        conn.readMemory(reply, kCodeplugAddress, 1);
    } catch (const UnsupportedMessage&) {
        return 0;
    }
    return reply[1] == opcodes::kMemoryRead ? reply[kShortReadDataByte] : 0;
}

bool keepsTwoThresholds(const radioStorage& storage) {
    return std::any_of(std::begin(kTwoThresholdModels), std::end(kTwoThresholdModels),
                       [&](ModelTest test) { return matchesModelTest(test, storage.modelNumber()); });
}

}  // namespace

radioProgramAll::radioProgramAll(radioStorage& storage, ProgressSink& progress)
    : storage_(storage), progress_(progress) {}

void radioProgramAll::programAll() {
    try {
        programEveryFamily();
    } catch (...) {
        recordProgramAll(storage_, ServiceResult::Failed, messages::kProgramError.text);
        throw;
    }
    recordProgramAll(storage_, ServiceResult::Done);
}

void radioProgramAll::programEveryFamily() {
    const allPointsWriteRule rule = referenceOscillator();
    transmitPower();
    paVoltageLimit();
    modulationBalance();
    vcoAttenuation(rule);
    commitWhenSupported(dtmf_);
    paBias();
    const std::array<const txSingleValueData*, 4> signalling{&dalmor_, &select5_, &mpt1327_, &hss_};
    for (const txSingleValueData* data : signalling) commitWhenSupported(*data);
    frontEndFilter(rule);
    autoSquelch(rule);
    ratedVolume();
    rssiThresholds(rule);
    tempComp();
    kAndM();
    batteryThreshold();
    sollenRatedVolume();
    finish();
}

bool radioProgramAll::supported(int code) const { return storage_.isSupported(code); }

bool radioProgramAll::supported(SoftpotFamily family) const { return supported(catalogueRow(family).code); }

bool radioProgramAll::secondProcedure() const { return storage_.usesSecondTuningProcedure(); }

std::int32_t radioProgramAll::stored(SoftpotFamily family) const {
    const SoftpotFamilyRow& row = catalogueRow(family);
    return storage_.value(row.row, row.firstEntry);
}

void radioProgramAll::prepare(SoftpotFamily family, EnhancedZIRK& conn) const {
    prepareForReading(catalogueRow(family), channelSpacingCode(storage_), conn);
}

BlockWritten radioProgramAll::block(SoftpotFamily family, EnhancedZIRK& conn, bool allPointsAllowed) {
    prepare(family, conn);
    return writeBlock(catalogueRow(family), allPointsAllowed, storage_, conn);
}

allPointsWriteRule radioProgramAll::referenceOscillator() {
    cominit conn;
    const allPointsWriteRule rule(readCodeplugByte(conn));
    if (supported(refOsc_.family().code)) {
        refOsc_.commit(static_cast<std::uint32_t>(stored(F::ReferenceOscillator)), conn);
        reportProgress(progress_, 5);
    }
    return rule;
}

void radioProgramAll::transmitPower() {
    if (secondProcedure() || !supported(F::TransmitHighPower)) return;
    cominit conn;
    block(F::TransmitHighPower, conn);
    reportProgress(progress_, 15);
    block(F::TransmitLowPower, conn);
    reportProgress(progress_, 20);
    block(F::Softpot28, conn);
    reportProgress(progress_, 25);
}

void radioProgramAll::paVoltageLimit() {
    if (!secondProcedure() || !supported(F::PaVoltageLimit)) return;
    cominit conn;
    if (block(F::PaVoltageLimit, conn) == BlockWritten::PointByPoint) reportProgress(progress_, 25);
}

void radioProgramAll::modulationBalance() {
    if (!supported(F::ModulationBalance)) return;
    cominit conn;
    block(F::ModulationBalance, conn);
    reportProgress(progress_, 35);
}

// The 20 kHz and 12.5 kHz values are single values kept at the last used point.
void radioProgramAll::vcoAttenuation(const allPointsWriteRule& rule) {
    if (!supported(vcoAttn_.family().code)) return;
    cominit conn;
    block(F::VcoAttenuation25, conn, rule.allows(storage_));
    reportProgress(progress_, 45);
    RF_Frequency frequency;
    const auto transmit = static_cast<std::uint16_t>(frequency.lastTxValue(storage_));
    const auto receive = static_cast<std::uint16_t>(frequency.lastRxValue(storage_));
    for (const auto& [family, percent] : {std::pair{F::VcoAttenuation20, 55}, std::pair{F::VcoAttenuation125, 60}}) {
        prepare(family, conn);
        if (transmit != 0) {
            vcoAttn_.selectPoint(transmit, receive, conn);
            vcoAttn_.commitWrite(static_cast<std::uint32_t>(stored(family)), conn);
        }
        reportProgress(progress_, percent);
    }
}

// Only the high-level biases and Bias 1 at low level are programmed; the low-level Bias 2 and
// 3 are read and archived but never written back.
void radioProgramAll::paBias() {
    cominit conn;
    prepare(F::PaBiasHigh, conn);
    for (const F family : {F::PaBiasHigh, F::PaBias2High, F::PaBias3High}) {
        const SoftpotFamilyRow& row = catalogueRow(family);
        if (supported(row.code)) paBiasHigh_.commitByte(row.softpot, static_cast<std::uint32_t>(stored(family)), conn);
    }
    prepare(F::PaBiasLow, conn);
    if (supported(paBiasLow_.family().code)) paBiasLow_.commit(static_cast<std::uint32_t>(stored(F::PaBiasLow)), conn);
}

void radioProgramAll::commitWhenSupported(const txSingleValueData& data) {
    if (!supported(data.family().code)) return;
    cominit conn;
    data.commit(static_cast<std::uint32_t>(stored(data.family().family)), conn);
}

void radioProgramAll::frontEndFilter(const allPointsWriteRule& rule) {
    if (!supported(F::FrontEndFilter)) return;
    cominit conn;
    block(F::FrontEndFilter, conn, rule.allows(storage_));
    reportProgress(progress_, 80);
}

void radioProgramAll::autoSquelch(const allPointsWriteRule& rule) {
    if (!supported(F::AutoSquelch125)) return;
    cominit conn;
    if (block(F::AutoSquelch125, conn, rule.allows(storage_)) == BlockWritten::PointByPoint) {
        reportProgress(progress_, 85);
    }
    block(F::AutoSquelch20, conn, rule.allows(storage_));
    reportProgress(progress_, 90);
    block(F::AutoSquelch25, conn, rule.allows(storage_));
}

void radioProgramAll::ratedVolume() {
    if (!supported(ratedVolume_.family().code)) return;
    cominit conn;
    ratedVolume_.commit(static_cast<std::uint32_t>(stored(F::RatedVolume)), conn);
}

// The thresholds go only as an all-points write; where that is not allowed they are left as
// the radio has them.
void radioProgramAll::rssiThresholds(const allPointsWriteRule& rule) {
    const SoftpotFamilyRow& row = catalogueRow(F::RssiThresholds);
    if (!supported(row.code) || !rule.allows(storage_)) return;
    std::array<std::uint8_t, kThreeThresholds> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = lowByte(storage_.value(row.row, row.firstEntry + static_cast<int>(i)));
    }
    cominit conn;
    conn.writeSoftpotBytes(row.softpot, mode(WriteMode::AllPoints), bytes.data(),
                           keepsTwoThresholds(storage_) ? kTwoThresholds : kThreeThresholds);
}

void radioProgramAll::tempComp() {
    std::array<std::uint8_t, kTempCompBytes> bytes{};
    for (int i = 0; i < kTempCompBytes; ++i) {
        bytes[static_cast<std::size_t>(i)] = lowByte(storage_.value(identity::kPlanRow, identity::kTempCompEntry + i));
    }
    cominit conn;
    conn.writeSoftpotBytes(kTempCompSoftpot, mode(WriteMode::Commit), bytes.data(), kTempCompBytes);
}

void radioProgramAll::kAndM() {
    if (!secondProcedure() || !supported(F::KandM)) return;
    cominit conn;
    block(F::KandM, conn);
}

// The battery threshold goes as an all-points write of its value in two bytes; the class's
// commit would tell the radio to keep what it measured instead.
void radioProgramAll::batteryThreshold() {
    if (!secondProcedure()) return;
    const SoftpotFamilyRow& row = catalogueRow(F::BatteryThreshold);
    cominit conn;
    conn.writeSoftpot(row.softpot, mode(WriteMode::AllPoints), static_cast<std::uint32_t>(stored(F::BatteryThreshold)),
                      row.width);
}

void radioProgramAll::sollenRatedVolume() {
    if (!supported(ratedVolume_.family().code) || !radiomodel().isSollenCapable(storage_)) return;
    cominit conn;
    prepare(F::RatedVolumeSollen, conn);
    ratedVolume_.commit(static_cast<std::uint32_t>(stored(F::RatedVolumeSollen)), conn);
}

void radioProgramAll::finish() {
    cominit conn;
    conn.reset();
    progress_.setPercent(100);
}

}  // namespace vantrel
