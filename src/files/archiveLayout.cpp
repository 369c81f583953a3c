#include "files/archiveLayout.h"

#include <array>

namespace vantrel {

namespace {

// Seven consecutive entries of one row, the usual shape of a per-point family.
template <std::size_t N>
constexpr std::array<StoragePlace, N> run(int row, int firstEntry) {
    std::array<StoragePlace, N> places{};
    for (std::size_t i = 0; i < N; ++i) places[i] = {row, firstEntry + static_cast<int>(i)};
    return places;
}

template <std::size_t A, std::size_t B>
constexpr std::array<StoragePlace, A + B> join(const std::array<StoragePlace, A>& a,
                                               const std::array<StoragePlace, B>& b) {
    std::array<StoragePlace, A + B> places{};
    for (std::size_t i = 0; i < A; ++i) places[i] = a[i];
    for (std::size_t i = 0; i < B; ++i) places[A + i] = b[i];
    return places;
}

constexpr auto kBandBase = run<1>(0, 7);
constexpr auto kTxPoints = run<7>(0, 0);
constexpr auto kRxPoints = run<7>(0, 14);
constexpr auto kRefOsc = run<1>(2, 0);
constexpr auto kTxPower = run<14>(3, 0);  // high power F1..F7, then low power F1..F7
constexpr auto kModBalance = run<7>(4, 14);
// VCO attenuation: the 25 kHz points first, then the rows holding the 20 and 12.5 kHz values.
constexpr auto kVco = join(join(run<7>(5, 14), run<7>(5, 7)), run<7>(5, 0));
constexpr auto kDtmf = run<1>(6, 0);
constexpr auto kPaBiasHigh = run<1>(8, 0);
constexpr auto kPaBiasLow = run<1>(8, 1);
constexpr auto kDalmor = run<1>(7, 0);
constexpr auto kFrontEnd = run<7>(10, 0);
// Auto squelch: 25 kHz, 20 kHz, then 12.5 kHz.
constexpr auto kSquelch = join(join(run<7>(11, 14), run<7>(11, 7)), run<7>(11, 0));
constexpr auto kRatedVolume = run<2>(12, 0);  // carrier squelch, Sollen
constexpr auto kTempComp = run<4>(0, 9);
constexpr auto kChannelSpacing = run<1>(0, 13);
constexpr auto kSelect5 = run<1>(14, 0);
constexpr auto kMpt = run<1>(15, 0);
constexpr auto kRssi = run<6>(16, 0);
constexpr auto kDac = run<2>(17, 14);
constexpr auto kKAndM = run<14>(17, 0);
constexpr auto kPaBias2 = run<1>(8, 2);
constexpr auto kPaBias3 = run<1>(8, 4);
constexpr std::array<StoragePlace, 2> kBattery{{{18, 1}, {18, 0}}};  // value, then target voltage
constexpr auto kTrunking = run<1>(19, 0);
constexpr auto kPaVoltage = run<7>(20, 0);
constexpr auto kSoftpot28 = run<7>(21, 0);

constexpr ArchiveGroup kGroups[] = {
    {Presence::Always, 0, 33, kBandBase},
    {Presence::Always, 0, 33, kTxPoints},
    {Presence::Always, 0, 33, kRxPoints},
    {Presence::Marker, 2, 33, kRefOsc},
    {Presence::Marker, 3, 33, kTxPower},
    {Presence::Marker, 4, 33, kModBalance},
    {Presence::Marker, 5, 33, kVco},
    {Presence::Marker, 6, 33, kDtmf},
    {Presence::Marker, 8, 33, kPaBiasHigh},
    {Presence::Marker, 9, 33, kPaBiasLow},
    {Presence::Marker, 7, 33, kDalmor},
    {Presence::Marker, 10, 33, kFrontEnd},
    {Presence::Marker, 11, 33, kSquelch},
    {Presence::Marker, 12, 33, kRatedVolume},
    {Presence::Always, 0, 33, kTempComp},
    {Presence::Always, 0, 33, kChannelSpacing},
    {Presence::Marker, 13, 33, kSelect5},
    {Presence::Marker, 14, 33, kMpt},
    {Presence::Marker, 15, 33, kRssi},
    {Presence::WithKAndM, 0, 33, kDac},
    {Presence::Marker, ArchiveLayout::kKAndMCode, 34, kKAndM},
    {Presence::Marker, 17, 34, kPaBias2},
    {Presence::Marker, 18, 34, kPaBias3},
    {Presence::Marker, 19, 34, kBattery},
    {Presence::Marker, 22, 35, kTrunking},
    {Presence::Marker, 25, 35, kPaVoltage},
    {Presence::Marker, 26, 35, kSoftpot28},
};

constexpr std::size_t fieldTotal() {
    std::size_t total = 0;
    std::uint8_t version = 0;
    for (const auto& group : kGroups) {
        total += group.places.size();
        // Fields are located by counting from the start, so a version's fields must all come
        // before those of any later version.
        if (group.minVersion < version) return 0;
        version = group.minVersion;
    }
    return total;
}
static_assert(fieldTotal() == ArchiveLayout::kFieldCount, "the archive carries 140 fields, versions in order");

}  // namespace

std::span<const ArchiveGroup> archiveGroups() { return kGroups; }

}  // namespace vantrel
