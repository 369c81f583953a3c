#include "tuning/PaBiasSession.h"

#include "files/formatText.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"
#include "model/txPABiasHighVoltageData.h"
#include "protocol/EnhancedZIRK.h"
#include "tuning/TunerBoxRule.h"
#include "tuning/TuningMessages.h"

namespace vantrel {

namespace {

using Q = BiasQuantity;

constexpr std::uint8_t kVoltageSoftpot = 6;
constexpr std::uint8_t kPowerSoftpot = 0;
constexpr std::uint32_t kNarrow = 127;
constexpr std::uint32_t kWide = 255;
constexpr std::uint32_t kFullPower = 255;
// The radio has softpot 6 on its bias screens.
constexpr int kVoltageCode = 28;

// The softpots every toggle drives to 0 before its quantity is raised from there.
constexpr std::uint8_t kBiasSoftpots[] = {18, 20, 27};

constexpr messages::Message kSupplyBack{"Please Set Supply Voltage Back to 7.5V", "NOTE"};

BiasControl makeControl(Q quantity, std::uint8_t softpot) {
    BiasControl c;
    c.quantity = quantity;
    c.softpot = softpot;
    return c;
}

constexpr std::size_t at(Q q) { return static_cast<std::size_t>(q); }

// Which toggles a stopped quantity gives back, given what has been done: the technician is led
// through voltage, Bias 1, Bias 2 and Bias 3 in turn, and may return to an earlier one.
bool enabledAfterStop(Q stopped, Q other, const std::array<bool, kBiasQuantities>& done) {
    const bool done1 = done[at(Q::Bias1)];
    const bool done2 = done[at(Q::Bias2)];
    switch (stopped) {
        case Q::Voltage:
            return other == Q::Bias1 || (other == Q::Bias2 && done1) || (other == Q::Bias3 && done1 && done2);
        case Q::Bias1:
            return other == Q::Voltage || other == Q::Bias2 || (other == Q::Bias3 && done2);
        case Q::Bias2:
        case Q::Bias3:
            return true;
    }
    return false;
}

}  // namespace

std::uint16_t fixedChannel(std::uint32_t frequencyHz, std::uint32_t bandBase) {
    constexpr std::uint32_t kBaseStepHz = 25000;
    constexpr std::uint32_t kChannelStepHz = 5000;
    return static_cast<std::uint16_t>((frequencyHz - bandBase * kBaseStepHz) / kChannelStepHz);
}

PaBiasSession::PaBiasSession(const TuningFamily& family, const TuningContext& context)
    : TuningSession(family, context),
      controls_{makeControl(Q::Voltage, kVoltageSoftpot), makeControl(Q::Bias1, 18), makeControl(Q::Bias2, 20),
                makeControl(Q::Bias3, 27)} {}

bool PaBiasSession::lowPower() const { return family().softpot == SoftpotFamily::PaBiasLow; }

bool PaBiasSession::offersVoltage() const { return true; }

int PaBiasSession::storageEntry(Q q) const {
    if (lowPower()) return catalogueRow(SoftpotFamily::PaBiasLow).firstEntry;
    switch (q) {
        case Q::Bias2: return catalogueRow(SoftpotFamily::PaBias2High).firstEntry;
        case Q::Bias3: return catalogueRow(SoftpotFamily::PaBias3High).firstEntry;
        default: return catalogueRow(SoftpotFamily::PaBiasHigh).firstEntry;
    }
}

void PaBiasSession::setupDisplay() {
    TuningSession::setupDisplay();
    const radioStorage& s = storage();
    const bool secondProcedure = s.tuningProcedureVersion() == 2;
    const int row = family().catalogue().row;
    // The low-power screens show the voltage always, the high-power ones when the radio has it.
    const bool voltage = offersVoltage() && (lowPower() || s.isSupported(kVoltageCode));
    controlOf(Q::Voltage).present = voltage;
    controlOf(Q::Bias1).present = s.isSupported(lowPower() ? catalogueRow(SoftpotFamily::PaBiasLow).code
                                                         : catalogueRow(SoftpotFamily::PaBiasHigh).code);
    controlOf(Q::Bias2).present = !lowPower() && s.isSupported(catalogueRow(SoftpotFamily::PaBias2High).code);
    controlOf(Q::Bias3).present = !lowPower() && s.isSupported(catalogueRow(SoftpotFamily::PaBias3High).code);
    bool firstEnabled = false;
    for (BiasControl& c : controls_) {
        const bool wide = c.quantity == Q::Bias2 || c.quantity == Q::Bias3;
        c.range = wide ? kWide : kNarrow;
        c.maximum = wide && secondProcedure ? kWide : kNarrow;
        c.tuning = false;
        c.position = 0;
        c.defaultText.clear();
        if (c.present && c.quantity != Q::Voltage) {
            const std::int32_t stored = s.value(row, storageEntry(c.quantity));
            c.position = static_cast<std::uint32_t>(stored);
            c.defaultText = formatText("%d", stored);
        }
        // Only the first quantity present can be started at first.
        c.toggleEnabled = c.present && !firstEnabled;
        firstEnabled = firstEnabled || c.present;
    }
    done_ = {false, !controlOf(Q::Bias1).present, !controlOf(Q::Bias2).present, false};
}

std::string PaBiasSession::rangeNote() const {
    if (!lowPower() && context().storage.tuningProcedureVersion() == 2) {
        return "Note : Voltage and Bias 1 softpot values range from 0-127";
    }
    return "Note : Valid Softpot values will range from 0-127";
}

std::string PaBiasSession::rangeNoteSecondLine() const {
    if (!lowPower() && context().storage.tuningProcedureVersion() == 2) {
        return "           Bias 2 and 3 softpot values range from 0-255";
    }
    return {};
}

void PaBiasSession::toggle(Q q) {
    if (controlOf(q).tuning) {
        stopTuning(q);
    } else {
        startTuning(q);
    }
}

void PaBiasSession::startTuning(Q q) {
    if (q != Q::Voltage) done_[at(q)] = true;
    for (BiasControl& c : controls_) {
        c.toggleEnabled = c.quantity == q;
        c.tuning = c.quantity == q;
    }
    act([&](EnhancedZIRK& conn) {
        if (!serialConfirmed(conn)) return;
        const txPABiasHighVoltageData bias;
        if (q == Q::Voltage) bias.liveWriteByte(kVoltageSoftpot, 0, conn);
        for (const std::uint8_t softpot : kBiasSoftpots) bias.liveWriteByte(softpot, 0, conn);
        controlOf(q).position = 0;
    });
}

void PaBiasSession::stopTuning(Q q) {
    controlOf(q).tuning = false;
    for (BiasControl& c : controls_) {
        if (c.quantity != q) c.toggleEnabled = c.present && enabledAfterStop(q, c.quantity, done_);
    }
}

void PaBiasSession::changeValue(Q q, std::uint32_t position) {
    if (!controlOf(q).tuning) return;
    controlOf(q).position = position;
    act([&](EnhancedZIRK& conn) {
        if (!serialConfirmed(conn)) return;
        txPABiasHighVoltageData().liveWriteByte(controlOf(q).softpot, position, conn);
    });
}

void PaBiasSession::commitRows(const std::vector<std::string>& boxTexts, EnhancedZIRK& conn) {
    for (const Q q : {Q::Bias1, Q::Bias2, Q::Bias3}) {
        if (!controlOf(q).present) continue;
        if (!commitBias(q, committedText(boxTexts, at(q)), conn)) return;
    }
    show({lowPower() ? "PA Bias Low softpot values commited !!" : "PA Bias High softpot values commited !!", "NOTE"},
         MessageIcon::Information);
}

// The high-power screens commit what the up-down holds; the low-power ones what the box says.
bool PaBiasSession::commitBias(Q q, std::string_view text, EnhancedZIRK& conn) {
    BiasControl& c = controlOf(q);
    const std::uint32_t value = lowPower() ? TunerBoxRule::convert(text) : c.position;
    if (!commitValueAccepted(text, value, c.maximum)) return false;
    txPABiasHighVoltageData().commitByte(c.softpot, value, conn);
    storage().setValue(family().catalogue().row, storageEntry(q), static_cast<std::int32_t>(value));
    c.defaultText = formatText("%d", static_cast<int>(value));
    return true;
}

void PaBiasHighSession::prepareRadio(EnhancedZIRK& conn) {
    txPABiasHighVoltageData bias;
    bias.updateSpacingCode(storage());
    const radiomodel model;
    const radioStorage& s = storage();
    if (!model.isMobileE(s)) {
        bias.setupTestMode(conn);
        return;
    }
    if (model.isMobileE4(s)) {
        bias.setupLowLevel(conn);
        const std::uint32_t frequency = model.hasHighBandLetter(s) ? 500000000u : 200000000u;
        conn.selectChannel(fixedChannel(frequency, static_cast<std::uint32_t>(s.value(identity::kPlanRow,
                                                                                     identity::kBandBaseEntry))));
        conn.keyUp();
        bias.liveWriteByte(20, 0, conn);
    } else {
        conn.keyUp();
    }
    bias.liveWriteByte(kPowerSoftpot, kFullPower, conn);
}

void PaBiasRxModeSession::prepareRadio(EnhancedZIRK& conn) {
    txPABiasRxModeData bias;
    bias.updateSpacingCode(storage());
    const radiomodel model;
    const radioStorage& s = storage();
    const auto bandBase = static_cast<std::uint32_t>(s.value(identity::kPlanRow, identity::kBandBaseEntry));
    if (model.isMobileE2(s)) {
        bias.setupReceive(conn);
        bias.setupTestMode(conn);
        conn.selectChannel(fixedChannel(200000000u, bandBase));
        bias.liveWriteByte(20, 0, conn);
    } else if (model.isMobileE3(s)) {
        bias.setupTestMode(conn);
        conn.selectChannel(fixedChannel(174000000u, bandBase));
        bias.liveWriteByte(20, 0, conn);
        bias.liveWriteByte(27, 0, conn);
    } else {
        return;
    }
    bias.liveWriteByte(kPowerSoftpot, kFullPower, conn);
}

void PaBiasLowSession::prepareRadio(EnhancedZIRK& conn) {
    txPABiasLowVoltageData bias;
    bias.updateSpacingCode(storage());
    bias.setupTestMode(conn);
}

void PaBiasDefaultSession::prepareRadio(EnhancedZIRK& conn) {
    conn.dekey();
    conn.reset();
}

void PaBiasDefaultSession::closeRadio(EnhancedZIRK& conn) {
    show(kSupplyBack, MessageIcon::None);
    PaBiasSession::closeRadio(conn);
}

}  // namespace vantrel
