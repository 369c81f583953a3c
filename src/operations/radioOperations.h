#pragma once

#include <cstdint>
#include <optional>

namespace vantrel {

class EnhancedZIRK;
class ProgressSink;
class radioStorage;

// The whole-radio read, and the serial number check that guards every write into a radio.
// One instance lives beside the radio storage for the life of the program.
class radioOperations {
public:
    static constexpr int kReadComplete = 0;
    static constexpr int kUnusableFrequencyPlan = 2;

    // Fills the storage from the radio on the configured port in one pass, on a connection of
    // its own that is closed on every way out. Returns kReadComplete, kUnusableFrequencyPlan,
    // or the radio's power-up status when that is neither 0 nor 32. Any failure of the line or
    // the protocol ends the pass and propagates; what was stored until then stays stored.
    int readRadio(radioStorage& storage, ProgressSink& progress);

    // The power-up status that stopped the last read, if one did. A status of 2 is returned
    // by readRadio just like an unusable frequency plan; this tells the two apart.
    std::optional<std::uint8_t> powerUpFailure() const { return powerUpFailure_; }

    // Whether the radio on the connection carries the stored serial number (all ten characters).
    bool serialMatches(const radioStorage& storage, EnhancedZIRK& conn) const;
    bool serialMatches(EnhancedZIRK& conn, const radioStorage& storage) const { return serialMatches(storage, conn); }

private:
    std::optional<std::uint8_t> powerUpFailure_;
};

}  // namespace vantrel
