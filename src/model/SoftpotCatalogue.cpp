#include "model/SoftpotCatalogue.h"

#include "model/RF_Frequency.h"
#include "model/radioStorage.h"

#include <array>

namespace vantrel {

namespace {

using F = SoftpotFamily;
using P = PointRule;
using R = ReadRule;

// What the radio must be told before a family is read. The transmit families go through the
// test modes of their tuning screens (the "second" half of the pair); the rated volume and
// PA bias reads always use the 25 kHz code, whatever the radio's spacing.
constexpr PreparationStep kRefOscRead[] = {testModeStep(1, 2), testModeStep(129, 2)};
constexpr PreparationStep kHighPowerRead[] = {testModeStep(1, 0), testModeStep(129, 0)};
constexpr PreparationStep kLowPowerRead[] = {testModeStep(1, 2), testModeStep(129, 2)};
// The balance is measured with the VCO attenuation (softpot 2) parked at its top.
constexpr PreparationStep kModulationRead[] = {testModeStep(14, 2, 1), liveWriteStep(2, 127)};
constexpr PreparationStep kVco25Read[] = {testModeStep(1, 2, 2), testModeStep(128, 2, 2)};
constexpr PreparationStep kVco20Read[] = {testModeStep(1, 2, 1), testModeStep(128, 2, 1)};
constexpr PreparationStep kVco125Read[] = {testModeStep(1, 2, 0), testModeStep(128, 2, 0)};
constexpr PreparationStep kPaVoltageRead[] = {testModeStep(1, 0, 2), testModeStep(129, 0, 2)};
constexpr PreparationStep kPaBiasHighRead[] = {testModeStep(9, 0, 2)};
constexpr PreparationStep kPaBiasLowRead[] = {testModeStep(9, 2, 2)};
constexpr PreparationStep kSquelch125Read[] = {testModeStep(1, 2, 0)};
constexpr PreparationStep kSquelch20Read[] = {testModeStep(1, 2, 1)};
constexpr PreparationStep kSquelch25Read[] = {testModeStep(1, 2, 2)};
constexpr PreparationStep kRatedVolumeRead[] = {testModeStep(0, 2, 2)};
constexpr PreparationStep kSollenRead[] = {testModeStep(18, 2, 2)};
constexpr std::span<const PreparationStep> kNothing{};

constexpr SoftpotRange k127{0, 127};
constexpr SoftpotRange k31{0, 31};
constexpr SoftpotRange k255{0, 255};
constexpr SoftpotRange kSquelch{1, 63};

// clang-format off
// family, title, class, code, row, first entry, entries, softpot, width, range, points, preparation, read
constexpr SoftpotFamilyRow kCatalogue[] = {
    {F::ReferenceOscillator, "REFERENCE OSCILLATOR WARP", "txRefOscData", 2, 2, 0, 1, 11, 2, SoftpotRange{0, 511}, P::LastTx, kRefOscRead, R::Single},
    {F::TransmitHighPower, "TRANSMIT HIGH POWER", "txTransmitPowData", 3, 3, 0, 7, 0, 1, k127, P::EachTx, kHighPowerRead, R::PerPointStops},
    {F::TransmitLowPower, "TRANSMIT LOW POWER", "txTransmitPowData", 3, 3, 7, 7, 0, 1, k127, P::EachTx, kLowPowerRead, R::PerPoint},
    // Archived and programmed, never shown; read in the high power test mode.
    {F::Softpot28, "", "txTransmitPowData", 26, 21, 0, 7, 28, 1, std::nullopt, P::EachTx, kHighPowerRead, R::PerPointStops},
    // Each point is K (high byte) and M (low byte), 0-255 each, in two entries.
    {F::KandM, "MOBILE K & M SOFTPOTS", "txTransmitPowData", 16, 17, 0, 14, 17, 2, k255, P::EachTx, kNothing, R::PerPointStops},
    // DAC 1 and DAC 2: set live through softpot 0 by the DAC screen; their values come with the plan.
    {F::Dac, "DAC SOFTPOTS", "txTransmitDACData", supportCode::kNone, 17, 14, 2, 0, 1, k255, P::None, kNothing, R::FrequencyPlan},
    {F::ModulationBalance, "MODULATION BALANCE", "txModAttnData", 4, 4, 14, 7, 3, 1, SoftpotRange{0, 63}, P::EachTx, kModulationRead, R::PerPointStops},
    {F::VcoAttenuation25, "VCO ATTENUATION 25 KHz", "txVCOAttnData", 5, 5, 14, 7, 2, 1, k127, P::EachTx, kVco25Read, R::PerPointStops},
    {F::VcoAttenuation20, "VCO ATTENUATION 20 KHz", "txVCOAttnData", 5, 5, 13, 1, 2, 1, k127, P::LastUsedTxPair, kVco20Read, R::OnePoint},
    {F::VcoAttenuation125, "VCO ATTENUATION 12.5 KHz", "txVCOAttnData", 5, 5, 6, 1, 2, 1, k127, P::LastUsedTxPair, kVco125Read, R::OnePoint},
    {F::PaVoltageLimit, "TRANSMIT PA VOLTAGE LIMIT", "txPAVoltageLimitData", 25, 20, 0, 7, 6, 1, k127, P::EachTx, kPaVoltageRead, R::ProbeThenPerPoint},
    // Softpot 6 asked only to learn whether the radio has the PA voltage row on its bias screens.
    {F::PaBiasProbe, "", "txPABiasHighVoltageData", 28, 8, 0, 0, 6, 1, k127, P::None, kPaBiasHighRead, R::Discarded},
    {F::PaBiasHigh, "PA BIAS", "txPABiasHighVoltageData", 8, 8, 0, 1, 18, 1, k127, P::None, kPaBiasHighRead, R::Single},
    {F::PaBias2High, "Bias 2(High)", "txPABiasHighVoltageData", 17, 8, 2, 1, 20, 1, k127, P::None, kPaBiasHighRead, R::Single},
    {F::PaBias3High, "Bias 3(High)", "txPABiasHighVoltageData", 18, 8, 4, 1, 27, 1, k127, P::None, kPaBiasHighRead, R::Single},
    {F::PaBiasLow, "Low", "txPABiasLowVoltageData", 9, 8, 1, 1, 18, 1, k127, P::None, kPaBiasLowRead, R::Single},
    {F::PaBias2Low, "", "txPABiasLowVoltageData", 17, 8, 3, 1, 20, 1, k127, P::None, kPaBiasLowRead, R::Single},
    {F::PaBias3Low, "", "txPABiasLowVoltageData", 18, 8, 5, 1, 27, 1, k127, P::None, kPaBiasLowRead, R::Single},
    {F::Dtmf, "DTMF SIGNALLING", "txDTMFData", 6, 6, 0, 1, 14, 1, k31, P::FirstTx, kNothing, R::Single},
    {F::Dalmor, "DALMOR SIGNALLING", "txDalmorData", 7, 7, 0, 1, 24, 1, k31, P::MiddleTx, kNothing, R::Single},
    {F::Select5, "SELECT 5", "txSelect5Data", 13, 14, 0, 1, 15, 1, k31, P::LastTx, kNothing, R::Single},
    {F::Mpt1327, "MPT 1327 SIGNALLING", "txMPT1200Data", 14, 15, 0, 1, 5, 1, k31, P::MiddleTx, kNothing, R::Single},
    {F::HighSpeedTrunking, "HIGH SPEED TRUNKING SIGNALLING", "txHSSData", 22, 19, 0, 1, 16, 1, k31, P::LastTx, kNothing, R::Single},
    // Entry 1 holds the value the radio measured; entry 0 (the target voltage) comes with the
    // plan. Program All writes the value as two bytes.
    {F::BatteryThreshold, "BATTERY THRESHOLD", "txBatteryData", 19, 18, 1, 1, 10, 2, std::nullopt, P::None, kNothing, R::AllPointsByte2},
    {F::FrontEndFilter, "FRONT END FILTER", "rxFEBPData", 10, 10, 0, 7, 13, 1, SoftpotRange{0, 255, 127}, P::EachRx, kNothing, R::PerPointStops},
    {F::AutoSquelch125, "AUTO SQUELCH 12.5KHz", "rxAutoSquelchData", 11, 11, 0, 7, 7, 1, kSquelch, P::EachRx, kSquelch125Read, R::PerPoint},
    {F::AutoSquelch20, "AUTO SQUELCH 20KHz", "rxAutoSquelchData", 11, 11, 7, 7, 7, 1, kSquelch, P::EachRx, kSquelch20Read, R::PerPoint},
    {F::AutoSquelch25, "AUTO SQUELCH 25KHz", "rxAutoSquelchData", 11, 11, 14, 7, 7, 1, kSquelch, P::EachRx, kSquelch25Read, R::PerPoint},
    {F::RatedVolume, "RATED VOLUME", "rxRatedVolumeData", 12, 12, 0, 1, 8, 1, k255, P::MiddleRx, kRatedVolumeRead, R::Single},
    // Only radios of the Sollen-capable models keep this second value.
    {F::RatedVolumeSollen, "", "rxRatedVolumeData", 12, 12, 1, 1, 8, 1, k255, P::MiddleRx, kSollenRead, R::Single},
    // Entries 0-2 the threshold softpots (0-127), 3-5 their levels in -dBm (0-210), 6 the
    // calibration byte the front end filter screen reads. Softpot 26 is the write.
    {F::RssiThresholds, "RSSI THRESHOLDS", "rxRSSIData", 15, 16, 0, 7, 26, 1, k127, P::Thresholds, kNothing, R::Rssi},
};
// clang-format on

constexpr bool inFamilyOrder() {
    for (std::size_t i = 0; i < std::size(kCatalogue); ++i) {
        if (static_cast<std::size_t>(kCatalogue[i].family) != i) return false;
    }
    return true;
}
static_assert(inFamilyOrder(), "catalogue rows must follow the order of SoftpotFamily");
static_assert(std::size(kCatalogue) == static_cast<std::size_t>(SoftpotFamily::RssiThresholds) + 1);

}  // namespace

std::span<const SoftpotFamilyRow> softpotCatalogue() { return kCatalogue; }

const SoftpotFamilyRow& catalogueRow(SoftpotFamily family) { return kCatalogue[static_cast<std::size_t>(family)]; }

int tuningPoint(const SoftpotFamilyRow& row, const radioStorage& storage) {
    RF_Frequency frequency;
    switch (row.points) {
        case PointRule::FirstTx:
            return frequency.firstTxPoint(storage);
        case PointRule::MiddleTx:
            return frequency.middleTxPoint(storage);
        case PointRule::LastTx:
        case PointRule::LastUsedTxPair:
            return frequency.lastTxPoint(storage);
        case PointRule::MiddleRx:
            return frequency.middleRxPoint(storage);
        case PointRule::None:
        case PointRule::EachTx:
        case PointRule::EachRx:
        case PointRule::Thresholds:
            return 0;
    }
    return 0;
}

bool onReceiveSide(const SoftpotFamilyRow& row) {
    return row.points == PointRule::EachRx || row.points == PointRule::MiddleRx;
}

std::uint32_t tuningPointValue(const SoftpotFamilyRow& row, const radioStorage& storage) {
    const int point = tuningPoint(row, storage);
    if (point == 0) return 0;
    const int entry = onReceiveSide(row) ? RF_Frequency::receiveEntry(point) : RF_Frequency::transmitEntry(point);
    return static_cast<std::uint32_t>(storage.value(0, entry));
}

int rangeHigh(const SoftpotFamilyRow& row, std::int32_t tuningProcedureVersion) {
    if (!row.range) return 0;
    if (tuningProcedureVersion == radioStorage::kSecondTuningProcedure && row.range->highForSecondProcedure != 0)
        return row.range->highForSecondProcedure;
    return row.range->high;
}

}  // namespace vantrel
