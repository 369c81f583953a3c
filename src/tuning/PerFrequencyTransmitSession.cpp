#include "tuning/PerFrequencyTransmitSession.h"

#include "files/formatText.h"
#include "model/RF_Frequency.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"
#include "model/txTransmitPowData.h"
#include "model/txVCOAttnData.h"
#include "protocol/EnhancedZIRK.h"
#include "tuning/TunerBoxRule.h"
#include "tuning/TuningMessages.h"

#include <algorithm>

namespace vantrel {

namespace {

constexpr std::uint32_t kWidePowerMaximum = 255;
// Where the reduced-power portable keeps the limit of each point's high power.
constexpr int kLowPowerEntry = 7;

}  // namespace

PerFrequencyTransmitSession::PerFrequencyTransmitSession(const TuningFamily& family, const TuningContext& context)
    : TuningSession(family, context) {
    RF_Frequency plan;
    setSelectedRow(std::max(plan.firstUsedPoint(storage(), false), 1) - 1);
    lastTaken_ = static_cast<std::uint32_t>(storedValue(0));
}

void PerFrequencyTransmitSession::prepareRadio(EnhancedZIRK& conn) {
    data().prepare(storage(), conn);
    RF_Frequency plan;
    const auto transmit = static_cast<std::uint16_t>(plan.partnerValue(storage(), false, true, 1));
    const auto receive = static_cast<std::uint16_t>(plan.partnerValue(storage(), true, false, 1));
    if (transmit != 0) data().selectPoint(transmit, receive, conn);
    prepareKeyedText(selectedRow(), openingKeyedFormat());
}

const char* PerFrequencyTransmitSession::openingKeyedFormat() const { return messages::kKeyedUpStatus; }

void PerFrequencyTransmitSession::prepareKeyedText(int index, const char* format) {
    keyedText_ = formatText(format, row(index).frequencyMHz);
}

void PerFrequencyTransmitSession::touchRow(int index, EnhancedZIRK& conn) {
    setSelectedRow(index);
    lastTaken_ = row(index).working;
    if (keyed() && keyedPoint_ != index + 1) dekey(conn);
}

void PerFrequencyTransmitSession::preparePoint(int index, EnhancedZIRK& conn) {
    if (keyed()) return;
    selectRowPoint(index, conn);
    prepareKeyedText(index, messages::kKeyedUpStatus);
}

// Key-up keys at the point prepared when a row was last touched; the point is not selected
// again here.
void PerFrequencyTransmitSession::applyKeyedValue(EnhancedZIRK& conn) {
    keyedPoint_ = selectedPoint();
    setStatus(keyedText_);
    data().liveWrite(lastTaken_, conn);
}

void PerFrequencyTransmitSession::commitRows(const std::vector<std::string>& boxTexts, EnhancedZIRK& conn) {
    std::vector<std::uint32_t> values(rows().size(), 0);
    for (std::size_t i = 0; i < rows().size(); ++i) {
        const std::string_view text = committedText(boxTexts, i);
        values[i] = TunerBoxRule::convert(text);
        const int index = static_cast<int>(i);
        if (!row(index).inUse) continue;
        if (!commitValueAccepted(text, values[i])) return;
        if (!pointAccepted(index, values[i])) continue;
        selectRowPoint(index, conn);
        commitPoint(index, values[i], conn);
    }
    finishCommit(values, conn);
    selectRowPoint(selectedRow(), conn);
    prepareKeyedText(selectedRow(), messages::kKeyedUpStatus);
}

bool PerFrequencyTransmitSession::pointAccepted(int, std::uint32_t) const { return true; }

void PerFrequencyTransmitSession::finishCommit(const std::vector<std::uint32_t>&, EnhancedZIRK&) {}

void PerFrequencyTransmitSession::showDefault(int index, std::uint32_t value) {
    row(index).defaultText = formatText("%d", static_cast<int>(value));
}

void PerFrequencyTransmitSession::keepValue(int index, std::uint32_t value) {
    storeValue(index, value);
    noteCommitted(index, value);
    showDefault(index, value);
}

// The maximum is decided once, here: the sliders, boxes, range note, prompt and the commit's
// check all use it.
TransmitPowerSession::TransmitPowerSession(const TuningFamily& family, const TuningContext& context)
    : PerFrequencyTransmitSession(family, context) {
    const radiomodel model;
    const radioStorage& s = storage();
    if (highPower() && (model.isPortableE(s) || model.isMobileE(s) || model.isPortableG(s))) {
        setMaximum(kWidePowerMaximum);
    }
}

bool TransmitPowerSession::highPower() const { return family().softpot == SoftpotFamily::TransmitHighPower; }

std::string TransmitPowerSession::commitPrompt() const {
    if (!highPower()) return PerFrequencyTransmitSession::commitPrompt();
    return formatText(std::string(family().texts.prompt).c_str(), static_cast<int>(maximum()));
}

void TransmitPowerSession::showLimitMessage(int index, bool withTrailingSpace) const {
    const std::string text =
        formatText("Program softpot %d aborted for %s!! softpot value above max value allowed%s", index + 1,
                   highPower() ? "Transmit High Power" : "Transmit Low Power", withTrailingSpace ? " " : "");
    show({text.c_str(), messages::kAbortCaption}, MessageIcon::Exclamation);
}

// The reduced-power portable is checked against its stored low power before anything, its
// channel included, is sent for the point.
bool TransmitPowerSession::pointAccepted(int index, std::uint32_t value) const {
    const radioStorage& s = context().storage;
    if (!highPower() || !radiomodel().isPortableE2(s)) return true;
    if (value <= static_cast<std::uint32_t>(s.value(family().catalogue().row, kLowPowerEntry + index))) return true;
    showLimitMessage(index, true);
    return false;
}

// A reduced-power portable that also has softpot 28 is sent the value and judged by the radio
// as well, so that a value is never shown as committed that the radio was not sent.
void TransmitPowerSession::commitPoint(int index, std::uint32_t value, EnhancedZIRK& conn) {
    radioStorage& s = storage();
    txTransmitPowData().commitRecorded(value, s, conn);
    if (s.isSupported(catalogueRow(SoftpotFamily::Softpot28).code) &&
        !s.isSupported(supportCode::kRecordedPowerCommit)) {
        // The high power texts of points 2 to 7 end at "allowed"; every other ends with a blank.
        showLimitMessage(index, highPower() && index == 0);
        return;
    }
    keepValue(index, value);
}

void Vco25Session::commitPoint(int index, std::uint32_t value, EnhancedZIRK& conn) {
    data().commit(value, conn);
    noteCommitted(index, value);
    showDefault(index, value);
}

// The radio keeps one VCO value each for 12.5 and 20 kHz at the last used transmit point; they
// are read back in their own test modes before the 25 kHz one is restored.
void Vco25Session::finishCommit(const std::vector<std::uint32_t>& values, EnhancedZIRK& conn) {
    txVCOAttnData vco;
    vco.setupTestMode(3, conn, true, false);
    vco.read125kHz(storage(), conn);
    vco.setupTestMode(2, conn, true, false);
    vco.read20kHz(storage(), conn);
    vco.setupTestMode(1, conn, true, false);
    for (std::size_t i = 0; i < values.size(); ++i) storeValue(static_cast<int>(i), values[i]);
}

void ModulationBalanceSession::commitPoint(int index, std::uint32_t value, EnhancedZIRK& conn) {
    data().commit(value, conn);
    noteCommitted(index, value);
}

void ModulationBalanceSession::finishCommit(const std::vector<std::uint32_t>& values, EnhancedZIRK&) {
    for (std::size_t i = 0; i < values.size(); ++i) keepValue(static_cast<int>(i), values[i]);
}

const char* ModulationBalanceSession::openingKeyedFormat() const { return "Radio is currently keyed up %fMHz"; }

}  // namespace vantrel
