#pragma once

#include "sim/RadioProfile.h"
#include "sim/RadioState.h"
#include "sim/SoftpotStore.h"

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace vantrel::sim {

// The radio itself, below the wire: identity, frequency plan, softpots, codeplug memory,
// baseband offset registers and what it is doing right now. It knows nothing of frames; the
// request table turns requests into calls here and the results into replies.
class RadioModel {
public:
    explicit RadioModel(const RadioProfile& profile);

    const RadioIdentity& identity() const { return identity_; }
    const FrequencyPlan& plan() const { return plan_; }
    const RadioState& state() const { return state_; }
    bool answers(std::uint8_t opcode) const { return !unsupportedRequests_.contains(opcode); }

    void setKeyed(bool keyed) { state_.keyed = keyed; }
    void enterTestMode(const TestMode& mode);
    void selectChannel(const Channel& channel);
    void writeSerialNumber(std::span<const std::uint8_t> text);
    // Back to normal operation: dekeyed, out of test mode, no channel, stored values in use.
    void reset();
    std::uint32_t resetCount() const { return resets_; }

    // Watts on the antenna socket: 0 while dekeyed; nothing when the profile has no meter or the
    // radio has no power softpot in the current test mode.
    std::optional<double> measuredOutputWatts() const;

    SoftpotStore& softpots() { return softpots_; }
    const SoftpotStore& softpots() const { return softpots_; }
    // Whether a channel was chosen since the last test mode: the radio can only tune itself
    // on a channel.
    bool channelChosen() const { return channelChosen_; }
    const std::vector<std::uint8_t>& calibration(std::uint8_t softpot) const;

    // Codeplug memory. A read outside the memory is refused; a write outside it is not done.
    std::vector<std::uint8_t> readMemory(std::uint32_t address, std::uint32_t count) const;
    bool writeMemory(std::uint32_t address, std::span<const std::uint8_t> bytes);
    std::uint32_t memorySize() const { return static_cast<std::uint32_t>(memory_.size()); }

    // Baseband offset registers by selector (5, 0, 2, 10, 8) and index (1..3).
    bool hasBasebandOffsets() const { return basebandOffsets_.has_value(); }
    std::uint8_t basebandOffset(std::uint8_t selector, std::uint8_t index) const;
    void setBasebandOffset(std::uint8_t selector, std::uint8_t index, std::uint8_t value);

private:
    // Row and column of a baseband offset register in the profile's table.
    std::pair<std::size_t, std::size_t> basebandRegister(std::uint8_t selector, std::uint8_t index) const;

    RadioIdentity identity_;
    FrequencyPlan plan_;
    RadioState state_;
    bool channelChosen_ = false;
    std::uint32_t resets_ = 0;
    SoftpotStore softpots_;
    std::map<std::uint8_t, std::vector<std::uint8_t>> calibration_;
    std::optional<BasebandOffsets> basebandOffsets_;
    std::vector<std::uint8_t> memory_;
    std::set<std::uint8_t> unsupportedRequests_;
    std::optional<MeasuredOutput> measuredOutput_;
};

}  // namespace vantrel::sim
