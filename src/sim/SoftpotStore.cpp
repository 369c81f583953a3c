#include "sim/SoftpotStore.h"

#include "protocol/Framing.h"
#include "sim/RadioRefusals.h"

#include <cstdlib>

namespace vantrel::sim {

namespace {

constexpr std::uint8_t kLiveMode = 2;
constexpr std::uint8_t kCommitMode = 1;

std::vector<std::uint8_t> encode(const std::vector<std::uint32_t>& values, std::uint32_t width) {
    std::vector<std::uint8_t> bytes(values.size() * width);
    for (std::size_t i = 0; i < values.size(); ++i) writeBigEndian(values[i], bytes.data() + i * width, width);
    return bytes;
}

std::optional<std::size_t> firstUsed(const std::array<std::uint16_t, FrequencyPlan::kPoints>& points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i] != 0) return i;
    }
    return std::nullopt;
}

std::size_t pointOf(const std::array<std::uint16_t, FrequencyPlan::kPoints>& points, std::uint16_t value) {
    std::optional<std::size_t> nearest;
    long best = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i] == 0) continue;
        const long distance = std::labs(static_cast<long>(points[i]) - static_cast<long>(value));
        if (!nearest || distance < best) {
            nearest = i;
            best = distance;
        }
    }
    return nearest.value_or(0);
}

}  // namespace

SoftpotStore::SoftpotStore(const std::vector<SoftpotProfile>& softpots, const FrequencyPlan& plan, bool allPointsRead,
                           bool allPointsWrite)
    : plan_(plan), allPointsRead_(allPointsRead), allPointsWrite_(allPointsWrite) {
    for (const SoftpotProfile& profile : softpots) {
        softpots_[profile.number] = Softpot{profile, profile.banks, profile.banks};
    }
}

const SoftpotStore::Softpot& SoftpotStore::find(std::uint8_t number) const {
    const auto it = softpots_.find(number);
    if (it == softpots_.end()) throw RequestUnsupported("the radio has no such softpot");
    return it->second;
}

SoftpotStore::Softpot& SoftpotStore::find(std::uint8_t number) {
    return const_cast<Softpot&>(static_cast<const SoftpotStore&>(*this).find(number));
}

int SoftpotStore::bankFor(const Softpot& softpot, const RadioState& state) const {
    int key = SoftpotProfile::kDefaultBank;
    if (state.testMode) {
        switch (softpot.profile.bankBy) {
            case BankKey::Function:
                key = state.testMode->function;
                break;
            case BankKey::Level:
                key = state.testMode->level;
                break;
            case BankKey::Spacing:
                key = state.testMode->spacing;
                break;
            case BankKey::None:
                break;
        }
    }
    if (const auto bank = softpot.stored.find(key); bank != softpot.stored.end()) {
        if (bank->second.empty()) throw RequestUnsupported("the softpot is not there in this test mode");
        return key;
    }
    if (softpot.stored.contains(SoftpotProfile::kDefaultBank)) return SoftpotProfile::kDefaultBank;
    throw RequestUnsupported("the softpot has no values in this test mode");
}

std::size_t SoftpotStore::slotFor(const Softpot& softpot, const RadioState& state) const {
    const PointSide side = softpot.profile.side;
    if (side == PointSide::None) return 0;
    const auto& points = side == PointSide::Transmit ? plan_.transmit : plan_.receive;
    if (!state.channel) return firstUsed(points).value_or(0);
    const std::uint16_t value = side == PointSide::Transmit ? state.channel->transmit : state.channel->receive;
    return pointOf(points, value);
}

std::vector<std::uint8_t> SoftpotStore::read(std::uint8_t number, const RadioState& state) const {
    const Softpot& softpot = find(number);
    const auto& values = softpot.stored.at(bankFor(softpot, state));
    return encode({values.at(slotFor(softpot, state))}, softpot.profile.width);
}

std::vector<std::uint8_t> SoftpotStore::readAllPoints(std::uint8_t number, const RadioState& state) const {
    const Softpot& softpot = find(number);
    if (!softpot.profile.allPointsRead.value_or(allPointsRead_)) {
        throw RequestUnsupported("the radio does not answer all-points reads of this softpot");
    }
    return encode(softpot.stored.at(bankFor(softpot, state)), softpot.profile.width);
}

void SoftpotStore::write(std::uint8_t number, std::uint8_t mode, std::span<const std::uint8_t> value,
                         const RadioState& state) {
    Softpot& softpot = find(number);
    if (value.empty() || value.size() > softpot.profile.width) throw RequestRefused("value does not fit the softpot");
    const int bank = bankFor(softpot, state);
    const std::size_t slot = slotFor(softpot, state);
    const std::uint32_t v = readBigEndian(value.data(), static_cast<std::uint32_t>(value.size()));
    if (mode != kCommitMode) {
        softpot.live[bank].at(slot) = v;
        return;
    }
    if (softpot.profile.commitLimit) {
        const Softpot& limit = find(*softpot.profile.commitLimit);
        const auto allowed = valueAt(limit.stored, slotFor(limit, state), bankFor(limit, state));
        if (allowed && v > *allowed) {
            throw RequestUnsupported("the value is above the limit the radio allows");
        }
    }
    switch (softpot.profile.commit) {
        case CommitRule::Value:
            softpot.live[bank].at(slot) = softpot.stored[bank].at(slot) = v;
            break;
        case CommitRule::KeepsLive:
            softpot.stored[bank].at(slot) = softpot.live[bank].at(slot);
            break;
        case CommitRule::MeasuresSlot: {
            auto& stored = softpot.stored[bank];
            auto measured = valueAt(softpot.profile.autoTune, v, bank);
            if (!measured) measured = valueAt(softpot.profile.autoTune, v, SoftpotProfile::kDefaultBank);
            if (v >= stored.size() || !measured) throw RequestRefused("no such slot to measure");
            softpot.live[bank].at(v) = stored[v] = *measured;
            break;
        }
    }
}

void SoftpotStore::writeAllPoints(std::uint8_t number, std::span<const std::uint8_t> values, const RadioState& state) {
    Softpot& softpot = find(number);
    if (!softpot.profile.allPointsWrite.value_or(allPointsWrite_)) {
        throw RequestUnsupported("the radio does not take all-points writes of this softpot");
    }
    const int bank = bankFor(softpot, state);
    auto& stored = softpot.stored[bank];
    const std::uint32_t width = softpot.profile.width;
    if (values.empty() || values.size() % width != 0 || values.size() / width > stored.size()) {
        throw RequestRefused("values do not fit the softpot's points");
    }
    for (std::size_t i = 0; i < values.size() / width; ++i) {
        stored[i] = readBigEndian(values.data() + i * width, width);
        softpot.live[bank][i] = stored[i];
    }
}

std::vector<std::uint8_t> SoftpotStore::autoTune(std::uint8_t number, const RadioState& state, bool channelChosen) {
    Softpot& softpot = find(number);
    const auto& tuned = softpot.profile.autoTune;
    if (tuned.empty()) throw RequestUnsupported("the radio cannot tune this softpot itself");
    const int bank = bankFor(softpot, state);
    const std::uint32_t answerWidth = softpot.profile.autoTuneWidth.value_or(softpot.profile.width);
    // A softpot of the frequency points finds nothing before a channel is chosen.
    const bool noChannel = !channelChosen && softpot.profile.side != PointSide::None;
    if (noChannel || (softpot.profile.autoTuneKeyed && !state.keyed)) return encode({0}, answerWidth);
    const auto tunedBank = tuned.contains(bank) ? tuned.find(bank) : tuned.find(SoftpotProfile::kDefaultBank);
    if (tunedBank == tuned.end() || tunedBank->second.empty()) {
        throw RequestUnsupported("the radio cannot tune this softpot itself in this test mode");
    }
    const std::size_t slot = slotFor(softpot, state);
    const std::uint32_t found = tunedBank->second.at(slot);
    softpot.live[bank].at(slot) = found;
    return encode({found}, answerWidth);
}

void SoftpotStore::setAutoTune(std::uint8_t number, std::vector<std::uint32_t> values) {
    find(number).profile.autoTune[SoftpotProfile::kDefaultBank] = std::move(values);
}

std::optional<std::pair<std::uint32_t, std::size_t>> SoftpotStore::current(std::uint8_t number,
                                                                           const RadioState& state) const {
    if (!softpots_.contains(number)) return std::nullopt;
    const Softpot& softpot = softpots_.at(number);
    try {
        const int bank = bankFor(softpot, state);
        const std::size_t slot = slotFor(softpot, state);
        const auto value = valueAt(softpot.live, slot, bank);
        if (!value) return std::nullopt;
        return std::pair{*value, slot};
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void SoftpotStore::dropLiveValues() {
    for (auto& [number, softpot] : softpots_) softpot.live = softpot.stored;
}

std::optional<std::uint32_t> SoftpotStore::valueAt(const std::map<int, std::vector<std::uint32_t>>& values,
                                                   std::size_t slot, int bank) {
    const auto it = values.find(bank);
    if (it == values.end() || slot >= it->second.size()) return std::nullopt;
    return it->second[slot];
}

std::optional<std::uint32_t> SoftpotStore::stored(std::uint8_t number, std::size_t slot, int bank) const {
    const auto it = softpots_.find(number);
    return it == softpots_.end() ? std::nullopt : valueAt(it->second.stored, slot, bank);
}

std::optional<std::uint32_t> SoftpotStore::live(std::uint8_t number, std::size_t slot, int bank) const {
    const auto it = softpots_.find(number);
    return it == softpots_.end() ? std::nullopt : valueAt(it->second.live, slot, bank);
}

}  // namespace vantrel::sim
