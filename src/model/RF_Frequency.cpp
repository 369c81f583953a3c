#include "model/RF_Frequency.h"

#include "model/radioStorage.h"

namespace vantrel {

namespace {

constexpr std::uint32_t kBaseStepKHz = 25;
constexpr std::uint32_t kPointStepKHz = 5;
constexpr int kPlanRow = 0;

}  // namespace

const std::array<std::uint32_t, RF_Frequency::kPoints>& RF_Frequency::scan(const radioStorage& s, List list) {
    storage_ = &s;
    for (int n = 1; n <= kPoints; ++n) {
        const int entry = list == kReceive ? receiveEntry(n) : transmitEntry(n);
        points_[n - 1] = static_cast<std::uint32_t>(s.value(kPlanRow, entry));
    }
    return points_;
}

int RF_Frequency::firstPoint(const std::array<std::uint32_t, kPoints>& points) const {
    for (int n = 1; n <= kPoints; ++n) {
        if (points[n - 1] != 0) return n;
    }
    return 0;
}

int RF_Frequency::lastPoint(const std::array<std::uint32_t, kPoints>& points) const {
    for (int n = kPoints; n >= 1; --n) {
        if (points[n - 1] != 0) return n;
    }
    return 0;
}

int RF_Frequency::middlePoint(const std::array<std::uint32_t, kPoints>& points) const {
    const auto first = static_cast<unsigned>(firstPoint(points));
    const auto last = static_cast<unsigned>(lastPoint(points));
    return static_cast<int>(first + ((last - first) >> 1));
}

double RF_Frequency::frequencyMHz(std::uint32_t bandBase, std::uint32_t pointValue) {
    lastKHz_ = bandBase * kBaseStepKHz + pointValue * kPointStepKHz;
    return lastKHz_ * 0.001;
}

std::uint32_t RF_Frequency::partnerValue(const radioStorage& s, bool wantReceive, bool wantTransmit, int n) {
    if (!wantReceive && !wantTransmit) return 0;
    scan(s, wantReceive ? kReceive : kTransmit);
    const bool inRange = n >= 1 && n <= kPoints;
    const std::uint32_t own = inRange ? points_[n - 1] : 0;
    return own != 0 ? own : valueAt(firstPoint(points_));
}

}  // namespace vantrel
