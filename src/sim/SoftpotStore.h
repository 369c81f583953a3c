#pragma once

#include "sim/RadioProfile.h"
#include "sim/RadioState.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace vantrel::sim {

// The radio's softpot values. Each softpot keeps stored values (what the radio has committed)
// and live values (what it uses right now) per bank and per slot. The bank comes from the
// current test mode, the slot of a per-frequency softpot from the selected channel: the point
// of the frequency plan whose transmit or receive half equals the channel's, else the used
// point nearest to it, else (no channel yet) the first used point.
//
// Every operation throws RequestUnsupported when the radio lacks the softpot, its bank in the
// current test mode or the operation, and RequestRefused when the bytes do not fit the softpot.
class SoftpotStore {
public:
    SoftpotStore(const std::vector<SoftpotProfile>& softpots, const FrequencyPlan& plan, bool allPointsRead,
                 bool allPointsWrite);

    // The stored value of the addressed slot, big-endian in the softpot's width. Reads report
    // what the radio keeps, not a value that is only live.
    std::vector<std::uint8_t> read(std::uint8_t number, const RadioState& state) const;
    // Every slot of the current bank, one after the other in the softpot's width.
    std::vector<std::uint8_t> readAllPoints(std::uint8_t number, const RadioState& state) const;
    // Mode 2 (live) or mode 1 (stored by the softpot's commit rule) of one value of up to
    // `width` bytes.
    void write(std::uint8_t number, std::uint8_t mode, std::span<const std::uint8_t> value, const RadioState& state);
    // Mode 4: consecutive values of `width` bytes from the first slot on, all stored.
    void writeAllPoints(std::uint8_t number, std::span<const std::uint8_t> values, const RadioState& state);
    // The value the radio finds by itself, which it then uses live. A per-frequency softpot
    // needs a channel chosen since the last test mode; without one the radio reports 0.
    std::vector<std::uint8_t> autoTune(std::uint8_t number, const RadioState& state, bool channelChosen);
    // The value in use right now and the slot it belongs to; nothing when the radio lacks the
    // softpot in the current test mode.
    std::optional<std::pair<std::uint32_t, std::size_t>> current(std::uint8_t number, const RadioState& state) const;
    // After a reset the radio runs on its stored values again.
    void dropLiveValues();

    // For tests: what the radio will find when it tunes or measures the softpot itself.
    void setAutoTune(std::uint8_t number, std::vector<std::uint32_t> values);
    // For tests: values by softpot, slot and bank (SoftpotProfile::kDefaultBank for the default).
    std::optional<std::uint32_t> stored(std::uint8_t number, std::size_t slot,
                                        int bank = SoftpotProfile::kDefaultBank) const;
    std::optional<std::uint32_t> live(std::uint8_t number, std::size_t slot,
                                      int bank = SoftpotProfile::kDefaultBank) const;

private:
    struct Softpot {
        SoftpotProfile profile;
        std::map<int, std::vector<std::uint32_t>> stored;
        std::map<int, std::vector<std::uint32_t>> live;
    };

    const Softpot& find(std::uint8_t number) const;
    Softpot& find(std::uint8_t number);
    int bankFor(const Softpot& softpot, const RadioState& state) const;
    std::size_t slotFor(const Softpot& softpot, const RadioState& state) const;
    static std::optional<std::uint32_t> valueAt(const std::map<int, std::vector<std::uint32_t>>& values,
                                                std::size_t slot, int bank);

    std::map<std::uint8_t, Softpot> softpots_;
    FrequencyPlan plan_;
    bool allPointsRead_;
    bool allPointsWrite_;
};

}  // namespace vantrel::sim
