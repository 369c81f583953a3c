#include "sim/RadioModel.h"

#include "sim/RadioRefusals.h"

#include <algorithm>

namespace vantrel::sim {

std::optional<double> RadioModel::measuredOutputWatts() const {
    if (!measuredOutput_) return std::nullopt;
    const auto live = softpots_.current(measuredOutput_->softpot, state_);
    if (!live) return std::nullopt;
    if (!state_.keyed) return 0.0;
    constexpr double kMilliwatt = 0.001;
    return live->first * measuredOutput_->milliwattsPerStep.at(live->second) * kMilliwatt;
}

RadioModel::RadioModel(const RadioProfile& profile)
    : identity_(profile.identity),
      plan_(profile.plan),
      softpots_(profile.softpots, profile.plan, profile.allPointsRead, profile.allPointsWrite),
      calibration_(profile.calibration),
      basebandOffsets_(profile.basebandOffsets),
      memory_(profile.memory.size, profile.memory.fill),
      unsupportedRequests_(profile.unsupportedRequests),
      measuredOutput_(profile.measuredOutput) {
    for (const MemoryPatch& patch : profile.memory.contents) {
        if (!writeMemory(patch.address, patch.bytes)) throw ProfileError("memory contents lie beyond the memory size");
    }
}

void RadioModel::enterTestMode(const TestMode& mode) {
    state_.testMode = mode;
    channelChosen_ = false;
}

void RadioModel::selectChannel(const Channel& channel) {
    state_.channel = channel;
    channelChosen_ = true;
}

void RadioModel::writeSerialNumber(std::span<const std::uint8_t> text) {
    if (text.size() != RadioIdentity::kSerialLength) throw RequestRefused("a serial number has ten characters");
    identity_.serialNumber.assign(text.begin(), text.end());
}

void RadioModel::reset() {
    state_ = RadioState{};
    channelChosen_ = false;
    softpots_.dropLiveValues();
    ++resets_;
}

const std::vector<std::uint8_t>& RadioModel::calibration(std::uint8_t softpot) const {
    const auto it = calibration_.find(softpot);
    if (it == calibration_.end()) throw RequestUnsupported("the radio has no calibration bytes for this softpot");
    return it->second;
}

std::vector<std::uint8_t> RadioModel::readMemory(std::uint32_t address, std::uint32_t count) const {
    if (count == 0 || address >= memory_.size() || count > memory_.size() - address) {
        throw RequestRefused("memory read outside the codeplug");
    }
    return {memory_.begin() + address, memory_.begin() + address + count};
}

bool RadioModel::writeMemory(std::uint32_t address, std::span<const std::uint8_t> bytes) {
    if (address > memory_.size() || bytes.size() > memory_.size() - address) return false;
    std::copy(bytes.begin(), bytes.end(), memory_.begin() + address);
    return true;
}

std::pair<std::size_t, std::size_t> RadioModel::basebandRegister(std::uint8_t selector, std::uint8_t index) const {
    if (!basebandOffsets_) throw RequestUnsupported("the baseband offsets live in codeplug memory");
    const auto at = std::find(kBasebandSelectors.begin(), kBasebandSelectors.end(), selector);
    if (at == kBasebandSelectors.end()) throw RequestUnsupported("no baseband offset register of this selector");
    if (index < 1 || index > basebandOffsets_->size()) throw RequestRefused("baseband offset index out of range");
    return {index - 1u, static_cast<std::size_t>(at - kBasebandSelectors.begin())};
}

std::uint8_t RadioModel::basebandOffset(std::uint8_t selector, std::uint8_t index) const {
    const auto [row, column] = basebandRegister(selector, index);
    return (*basebandOffsets_)[row][column];
}

void RadioModel::setBasebandOffset(std::uint8_t selector, std::uint8_t index, std::uint8_t value) {
    const auto [row, column] = basebandRegister(selector, index);
    (*basebandOffsets_)[row][column] = value;
}

}  // namespace vantrel::sim
