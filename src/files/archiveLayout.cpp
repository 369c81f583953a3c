#include "files/archiveLayout.h"

#include "model/RF_Frequency.h"
#include "model/SoftpotCatalogue.h"
#include "model/radioIdentity.h"

#include <initializer_list>
#include <stdexcept>
#include <vector>

namespace vantrel {

namespace {

using F = SoftpotFamily;

// Consecutive entries of one row.
void appendRun(std::vector<StoragePlace>& places, int row, int firstEntry, int count) {
    for (int i = 0; i < count; ++i) places.push_back({row, firstEntry + i});
}

// Every storage place of a family, or its first `count`.
void appendFamily(std::vector<StoragePlace>& places, F family, int count = -1) {
    const SoftpotFamilyRow& row = catalogueRow(family);
    appendRun(places, row.row, row.firstEntry, count < 0 ? row.entryCount : count);
}

// The seven entries of a family's row that end at its single value. The archive keeps these
// whole runs for the VCO attenuation values measured at one point.
void appendRunEndingAt(std::vector<StoragePlace>& places, F family) {
    const SoftpotFamilyRow& row = catalogueRow(family);
    appendRun(places, row.row, row.firstEntry - (kPointCount - 1), kPointCount);
}

// The archive's groups in file order, with the places of each, built once from the catalogue.
class Layout {
public:
    Layout() {
        using identity::kPlanRow;
        constexpr std::uint8_t kFirst = 33;  // the oldest archive version we read
        always(kFirst, [](auto& p) { appendRun(p, kPlanRow, identity::kBandBaseEntry, 1); });
        always(kFirst, [](auto& p) { appendRun(p, kPlanRow, RF_Frequency::transmitEntry(1), kPointCount); });
        always(kFirst, [](auto& p) { appendRun(p, kPlanRow, RF_Frequency::receiveEntry(1), kPointCount); });
        families(kFirst, {F::ReferenceOscillator});
        families(kFirst, {F::TransmitHighPower, F::TransmitLowPower});
        families(kFirst, {F::ModulationBalance});
        marked(kFirst, F::VcoAttenuation25, [](auto& p) {
            appendFamily(p, F::VcoAttenuation25);
            appendRunEndingAt(p, F::VcoAttenuation20);
            appendRunEndingAt(p, F::VcoAttenuation125);
        });
        families(kFirst, {F::Dtmf});
        families(kFirst, {F::PaBiasHigh});
        families(kFirst, {F::PaBiasLow});
        families(kFirst, {F::Dalmor});
        families(kFirst, {F::FrontEndFilter});
        families(kFirst, {F::AutoSquelch25, F::AutoSquelch20, F::AutoSquelch125});
        families(kFirst, {F::RatedVolume, F::RatedVolumeSollen});
        always(kFirst, [](auto& p) { appendRun(p, kPlanRow, identity::kTempCompEntry, 4); });
        always(kFirst, [](auto& p) { appendRun(p, kPlanRow, identity::kChannelSpacingMaskEntry, 1); });
        families(kFirst, {F::Select5});
        families(kFirst, {F::Mpt1327});
        // The thresholds and their levels; the calibration byte is the radio's own.
        marked(kFirst, F::RssiThresholds, [](auto& p) { appendFamily(p, F::RssiThresholds, 6); });
        group(Presence::WithKAndM, supportCode::kNone, kFirst, [](auto& p) { appendFamily(p, F::Dac); });
        families(34, {F::KandM});
        // Bias 2 and 3 are archived at high power only.
        families(34, {F::PaBias2High});
        families(34, {F::PaBias3High});
        marked(34, F::BatteryThreshold, [](auto& p) {
            appendFamily(p, F::BatteryThreshold);
            appendRun(p, identity::kBatteryRow, identity::kBatteryTargetEntry, 1);
        });
        families(35, {F::HighSpeedTrunking});
        families(35, {F::PaVoltageLimit});
        families(35, {F::Softpot28});
        check();
    }

    std::span<const ArchiveGroup> groups() const { return groups_; }

private:
    template <typename Fill>
    void group(Presence presence, int code, std::uint8_t minVersion, Fill fill) {
        places_.emplace_back();
        fill(places_.back());
        groups_.push_back({presence, code, minVersion, {}});
    }
    template <typename Fill>
    void always(std::uint8_t minVersion, Fill fill) {
        group(Presence::Always, supportCode::kNone, minVersion, fill);
    }
    template <typename Fill>
    void marked(std::uint8_t minVersion, F family, Fill fill) {
        group(Presence::Marker, catalogueRow(family).code, minVersion, fill);
    }
    // Whole families under the marker of the first.
    void families(std::uint8_t minVersion, std::initializer_list<F> list) {
        marked(minVersion, *list.begin(), [&](auto& p) {
            for (const F family : list) appendFamily(p, family);
        });
    }

    // The spans are taken once every group is in, so no growth can move what they point at.
    // Fields are located by counting from the start, so a version's fields must all come before
    // those of any later version.
    void check() {
        std::size_t total = 0;
        std::uint8_t version = 0;
        for (std::size_t i = 0; i < groups_.size(); ++i) {
            groups_[i].places = places_[i];
            total += places_[i].size();
            if (groups_[i].minVersion < version) throw std::logic_error("archive groups out of version order");
            version = groups_[i].minVersion;
        }
        if (total != ArchiveLayout::kFieldCount) throw std::logic_error("the archive carries 140 fields");
    }

    std::vector<std::vector<StoragePlace>> places_;
    std::vector<ArchiveGroup> groups_;
};

}  // namespace

std::span<const ArchiveGroup> archiveGroups() {
    static const Layout layout;
    return layout.groups();
}

}  // namespace vantrel
