#include "tuning/KMPowerTuneSession.h"

#include "files/formatText.h"
#include "model/RF_Frequency.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"
#include "model/txTransmitPowData.h"
#include "operations/radioOperations.h"
#include "tuning/PowerKeyUp.h"
#include "tuning/TuningMessages.h"

namespace vantrel {

namespace {

constexpr const char* kMismatchStatus = "Serial No. mismatch!! Please close K&M tuning screen";
constexpr const char* kCommitQuestion = "Commit new softpot values?";
constexpr const char* kIncorrectMeasurement = "Incorrect power measurement in F%d!!";
constexpr messages::Message kWritten{"Softpots have been successfully written to the radio!!", "NOTE"};
constexpr int kLowPowerLevel = 2;

int kEntry(int point) { return 2 * (point - 1); }
int mEntry(int point) { return 2 * (point - 1) + 1; }

class KMPowerTuning : public DataClassTuning<txTransmitPowData> {
public:
    void prepare(const radioStorage& storage, EnhancedZIRK& conn) override {
        data_.updateSpacingCode(storage);
        data_.setupTestMode(kLowPowerLevel, conn, true, false);
    }
    void commit(std::uint32_t value, EnhancedZIRK& conn) override { data_.commitKandM(value, conn); }
};

std::unique_ptr<TuningData> kAndMPowerData() { return std::make_unique<KMPowerTuning>(); }

}  // namespace

KMPowerTuneSession::KMPowerTuneSession(const TuningFamily& family, const TuningContext& context)
    : TuningSession(family, context), scale_(kmScale(radiomodel().isMobileE(context.storage))) {}

std::size_t KMPowerTuneSession::boxIndex(PowerBox box) {
    const auto pointIndex = static_cast<std::size_t>(box.point - 1);
    return 2 * pointIndex + (box.column == PowerColumn::Power2 ? 1U : 0U);
}

const std::string& KMPowerTuneSession::powerText(PowerBox box) const { return powerTexts_.at(boxIndex(box)); }

void KMPowerTuneSession::typePower(PowerBox box, std::string text) { powerTexts_.at(boxIndex(box)) = std::move(text); }

std::vector<std::string> KMPowerTuneSession::boxTexts() const { return {powerTexts_.begin(), powerTexts_.end()}; }

std::vector<TuningReading> KMPowerTuneSession::measure(int row) {
    const int point = rows().at(static_cast<std::size_t>(row)).point;
    const radioStorage& s = storage();
    return {{"K", s.value(identity::kKMRow, kEntry(point))},
            {"M", s.value(identity::kKMRow, mEntry(point))},
            {"DAC1", dac1_},
            {"DAC2", dac2_}};
}

std::vector<TuningRow> KMPowerTuneSession::layOutRows() { return perPointRows(false); }

void KMPowerTuneSession::prepareRadio(EnhancedZIRK& conn) {
    data().prepare(storage(), conn);
    RF_Frequency plan;
    const auto transmit = static_cast<std::uint16_t>(plan.partnerValue(storage(), false, true, 1));
    if (transmit != 0) {
        data().selectPoint(transmit, static_cast<std::uint16_t>(plan.partnerValue(storage(), true, false, 1)), conn);
    }
}

void KMPowerTuneSession::completeDisplay() {
    radioStorage& s = storage();
    dac1_ = s.value(identity::kKMRow, identity::kDac1Entry);
    dac2_ = s.value(identity::kKMRow, identity::kDac2Entry);
    RF_Frequency plan;
    keyedFrequencyMHz_ =
        plan.frequencyMHz(static_cast<std::uint32_t>(s.value(identity::kPlanRow, identity::kBandBaseEntry)),
                          plan.partnerValue(s, false, true, 1));
    for (const TuningRow& r : rows()) {
        const auto k = static_cast<std::uint32_t>(s.value(identity::kKMRow, kEntry(r.point)));
        const auto m = static_cast<std::uint32_t>(s.value(identity::kKMRow, mEntry(r.point)));
        const PredictedPowers powers = predictedPowers(k, m, dac1_, dac2_, scale_);
        powerTexts_[boxIndex({r.point, PowerColumn::Power1})] = r.inUse ? formatText("%1.3f", powers.p1) : "";
        powerTexts_[boxIndex({r.point, PowerColumn::Power2})] = r.inUse ? formatText("%1.3f", powers.p2) : "";
    }
}

std::uint32_t KMPowerTuneSession::liveValue() const {
    return static_cast<std::uint32_t>(focused_.column == PowerColumn::Power1 ? dac1_ : dac2_);
}

void KMPowerTuneSession::focusBox(PowerBox box) {
    act([&](EnhancedZIRK& conn) {
        if (!keyed()) setStatus(messages::kDekeyedStatus);
        focused_ = box;
        if (keyed() && keyedBox_.point != box.point) dekey(conn);
        if (!serialConfirmed(conn)) return;
        if (keyed()) {
            data().liveWrite(liveValue(), conn);
            return;
        }
        const TuningRow& r = row(box.point - 1);
        data().selectPoint(r.transmit, r.receive, conn);
        keyedFrequencyMHz_ = r.frequencyMHz;
    });
}

// Key-up opens the PA voltage limit before the power control value goes live.
void KMPowerTuneSession::applyKeyedValue(EnhancedZIRK& conn) {
    keyedBox_ = focused_;
    openPaVoltageLimit(conn);
    data().liveWrite(liveValue(), conn);
}

std::optional<std::array<KMPair, 7>> KMPowerTuneSession::pairsFrom(const std::vector<std::string>& boxTexts) const {
    const auto text = [&](PowerBox box) {
        const std::size_t i = boxIndex(box);
        return i < boxTexts.size() ? std::string_view(boxTexts[i]) : std::string_view();
    };
    std::array<KMPair, 7> pairs{};
    for (int n = 1; n <= 7; ++n) {
        const float p1 = powerReading(text({n, PowerColumn::Power1}));
        const float p2 = powerReading(text({n, PowerColumn::Power2}));
        const std::optional<KMPair> pair = kmFromReadings(p1, p2, dac1_, dac2_, scale_);
        if (!pair) {
            context().ui.message(formatText(kIncorrectMeasurement, n), "NOTE", MessageIcon::Exclamation);
            return std::nullopt;
        }
        pairs[static_cast<std::size_t>(n - 1)] = *pair;
    }
    return pairs;
}

void KMPowerTuneSession::program(const std::vector<std::string>& boxTexts) {
    if (ask(kCommitQuestion, messages::kCommitCaption, MessageButtons::OkCancel) != MessageAnswer::Ok) return;
    const std::optional<std::array<KMPair, 7>> pairs = pairsFrom(boxTexts);
    if (!pairs) return;
    bool written = false;
    act([&](EnhancedZIRK& conn) {
        if (!serialConfirmed(conn)) return;
        journalled(boxTexts, [&] { commitPairs(*pairs, conn); });
        written = true;
    });
    if (written) show(kWritten, MessageIcon::Information);
}

void KMPowerTuneSession::commitPairs(const std::array<KMPair, 7>& pairs, EnhancedZIRK& conn) {
    for (int index = 0; index < static_cast<int>(rows().size()); ++index) {
        const TuningRow& r = rows()[static_cast<std::size_t>(index)];
        if (!r.inUse) continue;
        const KMPair& pair = pairs[static_cast<std::size_t>(r.point - 1)];
        data().selectPoint(r.transmit, r.receive, conn);
        data().commit(pair.softpotValue(), conn);
        storage().setValue(identity::kKMRow, kEntry(r.point), pair.k);
        storage().setValue(identity::kKMRow, mEntry(r.point), pair.m);
        noteCommitted(index, pair.softpotValue());
    }
}

void KMPowerTuneSession::handleMismatch() { setStatus(kMismatchStatus); }

void KMPowerTuneSession::reportFailure() { setStatus(messages::kCommunicationError.text); }

namespace {

// kind, command, class, title, caption, icon, softpot, keying, receive point, data, session, texts,
// capital mismatch, always in use, reports closing failure, shows unsent commit
const std::array<TuningFamily, 1> kFamilies{{
    {4,
     11850,
     "TMobilePowerTuneHI",
     "Transmit Power Tuning (Mobile)",
     "Transmit Power Tuning (Mobile)",
     false,
     SoftpotFamily::KandM,
     Keying::PttToggle,
     0,
     &kAndMPowerData,
     &makeSession<KMPowerTuneSession>,
     {kCommitQuestion, "", "", "NOTE"},
     false,
     false,
     false,
     false},
}};

}  // namespace

std::span<const TuningFamily> kAndMPowerFamilies() { return kFamilies; }

}  // namespace vantrel
