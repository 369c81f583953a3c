#include "files/softpotComparison.h"

#include "files/archiveLayout.h"
#include "files/formatText.h"
#include "model/RF_Frequency.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"

#include <algorithm>
#include <set>
#include <utility>

namespace vantrel {

namespace {

// The RSSI block holds the three thresholds' softpot values, then their levels in -dBm.
constexpr int kRssiThresholds = 3;
constexpr const char* kPartNames[] = {"K", "M"};
constexpr int kTempCompEntries = 4;

using Place = std::pair<int, int>;

const std::set<Place>& archivedPlaces() {
    static const std::set<Place> places = [] {
        std::set<Place> all;
        for (const ArchiveGroup& group : archiveGroups()) {
            for (const StoragePlace& place : group.places) all.emplace(place.row, place.entry);
        }
        return all;
    }();
    return places;
}

bool perPoint(const SoftpotFamilyRow& row) {
    return row.points == PointRule::EachTx || row.points == PointRule::EachRx;
}

std::optional<double> pointMHz(const radioStorage& storage, std::uint32_t pointValue) {
    if (pointValue == 0) return std::nullopt;
    const auto bandBase = static_cast<std::uint32_t>(storage.value(identity::kPlanRow, identity::kBandBaseEntry));
    return RF_Frequency().frequencyMHz(bandBase, pointValue);
}

std::uint32_t pointValueOf(const radioStorage& storage, int point, bool receive) {
    const int entry = receive ? RF_Frequency::receiveEntry(point) : RF_Frequency::transmitEntry(point);
    return static_cast<std::uint32_t>(storage.value(identity::kPlanRow, entry));
}

// The item name of the index-th value of a family and the point it belongs to.
std::pair<std::string, int> itemOf(const SoftpotFamilyRow& row, int index) {
    if (perPoint(row)) {
        const int point = index / row.entriesPerPoint() + 1;
        if (row.entriesPerPoint() == 1) return {formatText("F%d", point), point};
        return {formatText("F%d %s", point, pointPartName(index % row.entriesPerPoint())), point};
    }
    if (row.points == PointRule::Thresholds) {
        if (index < kRssiThresholds) return {formatText("Threshold %d", index + 1), 0};
        return {formatText("Threshold %d level (-dBm)", index - kRssiThresholds + 1), 0};
    }
    if (row.entryCount > 1)
        return {formatText("%s %d", row.family == SoftpotFamily::Dac ? "DAC" : "Value", index + 1), 0};
    return {std::string(), 0};
}

class Comparer {
public:
    Comparer(const radioStorage& before, const radioStorage& after) : before_(before), after_(after) {}

    ImageComparison run() {
        ImageComparison result;
        result.sameSerial = before_.serialNumber() == after_.serialNumber();
        text(result, "Radio Serial No", before_.serialNumber(), after_.serialNumber());
        text(result, "Radio Model No", before_.modelNumber(), after_.modelNumber());
        result.families.push_back(plan());
        for (const SoftpotFamilyRow& row : softpotCatalogue()) {
            ComparedFamily family = softpotFamily(row);
            if (!family.values.empty() && family.present()) result.families.push_back(std::move(family));
        }
        return result;
    }

private:
    static void text(ImageComparison& result, const char* what, const std::string& before, const std::string& after) {
        if (before != after) result.identity.push_back({what, before, after});
    }

    ComparedValue valueAt(std::string item, int row, int entry) const {
        ComparedValue value;
        value.item = std::move(item);
        value.before = before_.value(row, entry);
        value.after = after_.value(row, entry);
        return value;
    }

    void planValue(ComparedFamily& family, std::string item, int entry) const {
        family.values.push_back(valueAt(std::move(item), identity::kPlanRow, entry));
    }

    ComparedFamily plan() const {
        ComparedFamily family;
        family.title = "FREQUENCY PLAN";
        planValue(family, "Band base (25 kHz steps)", identity::kBandBaseEntry);
        planValue(family, "Tuning procedure version", identity::kTuningVersionEntry);
        for (const bool receive : {false, true}) {
            for (int point = 1; point <= kPointCount; ++point) {
                const int entry = receive ? RF_Frequency::receiveEntry(point) : RF_Frequency::transmitEntry(point);
                ComparedValue value =
                    valueAt(formatText("%s F%d", receive ? "Rx" : "Tx", point), identity::kPlanRow, entry);
                placeAtPoint(value, point, receive);
                family.values.push_back(std::move(value));
            }
        }
        for (int i = 0; i < kTempCompEntries; ++i)
            planValue(family, formatText("Temperature compensation %d", i + 1), identity::kTempCompEntry + i);
        planValue(family, "Channel spacing mask", identity::kChannelSpacingMaskEntry);
        family.values.push_back(
            valueAt("Battery target (0.1 V)", identity::kBatteryRow, identity::kBatteryTargetEntry));
        return family;
    }

    ComparedFamily softpotFamily(const SoftpotFamilyRow& row) const {
        ComparedFamily family;
        family.title = comparedFamilyTitle(row);
        family.family = row.family;
        family.perPoint = perPoint(row);
        family.parts = family.perPoint ? row.entriesPerPoint() : 1;
        family.supportedBefore = row.code == supportCode::kNone || before_.isSupported(row.code);
        family.supportedAfter = row.code == supportCode::kNone || after_.isSupported(row.code);
        for (int index = 0; index < row.entryCount; ++index) {
            const int entry = row.firstEntry + index;
            if (archivedPlaces().count({row.row, entry}) == 0) continue;
            auto [item, point] = itemOf(row, index);
            ComparedValue value = valueAt(std::move(item), row.row, entry);
            locate(value, row, point);
            family.values.push_back(std::move(value));
        }
        return family;
    }

    void placeAtPoint(ComparedValue& value, int point, bool receive) const {
        value.point = point;
        value.beforeMHz = pointMHz(before_, pointValueOf(before_, point, receive));
        value.afterMHz = pointMHz(after_, pointValueOf(after_, point, receive));
    }

    // Per-point values sit at their own point; a family's one value at the point it is tuned at.
    void locate(ComparedValue& value, const SoftpotFamilyRow& row, int point) const {
        if (point != 0) return placeAtPoint(value, point, onReceiveSide(row));
        value.point = tuningPoint(row, after_);
        value.beforeMHz = pointMHz(before_, tuningPointValue(row, before_));
        value.afterMHz = pointMHz(after_, tuningPointValue(row, after_));
    }

    const radioStorage& before_;
    const radioStorage& after_;
};

}  // namespace

bool ComparedFamily::changed() const {
    return supportChanged() || std::any_of(values.begin(), values.end(), [](const auto& v) { return v.changed(); });
}

bool ComparedFamily::holdsValues() const {
    return std::any_of(values.begin(), values.end(), [](const auto& v) { return v.before != 0 || v.after != 0; });
}

bool ImageComparison::equal() const {
    return identity.empty() &&
           std::none_of(families.begin(), families.end(), [](const auto& f) { return f.changed(); });
}

ImageComparison compareImages(const radioStorage& before, const radioStorage& after) {
    return Comparer(before, after).run();
}

std::string comparedFamilyTitle(const SoftpotFamilyRow& row) {
    if (!row.title.empty()) return std::string(row.title);
    // Two families of one softpot number are told apart by which of its values they are.
    if (row.firstEntry > 0) return formatText("SOFTPOT %d VALUE %d", row.softpot, row.firstEntry + 1);
    return formatText("SOFTPOT %d", row.softpot);
}

const char* pointPartName(int part) { return kPartNames[part == 0 ? 0 : 1]; }

std::string frequencyText(std::optional<double> mhz) { return mhz ? formatText("%f", *mhz) : std::string("not used"); }

}  // namespace vantrel
