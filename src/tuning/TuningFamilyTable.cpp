#include "tuning/TuningFamily.h"

#include <algorithm>
#include <vector>

namespace vantrel {

namespace {

const std::vector<TuningFamily>& table() {
    static const std::vector<TuningFamily> families = [] {
        std::vector<TuningFamily> all;
        const std::span<const TuningFamily> groups[] = {
            singleValueTransmitFamilies(),
            perFrequencyTransmitFamilies(),
            autoTuneFamilies(),
            paBiasFamilies(),
            kAndMPowerFamilies(),
            receiveFamilies(),
            batteryAndDacFamilies(),
        };
        for (const std::span<const TuningFamily> group : groups) {
            all.insert(all.end(), group.begin(), group.end());
        }
        return all;
    }();
    return families;
}

template <typename Match>
const TuningFamily* findFamily(Match match) {
    const auto& all = table();
    const auto found = std::find_if(all.begin(), all.end(), match);
    return found == all.end() ? nullptr : &*found;
}

}  // namespace

std::span<const TuningFamily> tuningFamilies() { return table(); }

const TuningFamily* tuningFamilyOfKind(int kind) {
    return findFamily([kind](const TuningFamily& f) { return f.kind == kind; });
}

const TuningFamily* tuningFamilyOfCommand(int command) {
    return findFamily([command](const TuningFamily& f) { return f.command == command; });
}

const TuningFamily* tuningFamilyOfCaption(std::string_view caption) {
    return findFamily([caption](const TuningFamily& f) { return f.caption == caption; });
}

}  // namespace vantrel
