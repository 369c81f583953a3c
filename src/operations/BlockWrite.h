#pragma once

#include <cstdint>

namespace vantrel {

class EnhancedZIRK;
class radioStorage;
struct SoftpotFamilyRow;

// When Program All may send the restricted blocks (VCO 25 kHz, front end filter, auto squelch,
// RSSI thresholds) in one all-points write: not to a radio with Select 5 or MPT 1327 whose
// codeplug byte at address 2 is 24 or less. Those radios get the blocks point by point, and
// no RSSI thresholds at all.
class allPointsWriteRule {
public:
    static constexpr std::uint8_t kLastRestrictedCodeplug = 24;

    explicit allPointsWriteRule(std::uint8_t codeplugByte) : codeplugByte_(codeplugByte) {}

    bool allows(const radioStorage& storage) const;
    std::uint8_t codeplugByte() const { return codeplugByte_; }

private:
    std::uint8_t codeplugByte_;
};

enum class BlockWritten { AllPoints, PointByPoint };

// Programs one per-frequency block from its storage place: the low byte of every entry, F1
// first, in one all-points write (mode 4) that records the radio's answer in support code 21.
// When the radio declines it, or the write is not `allPointsAllowed` (code 21 is then cleared
// without asking), every used point is selected and committed on its own (mode 1, the
// family's width). A receive block selects its point with the receive value alone.
BlockWritten writeBlock(const SoftpotFamilyRow& row, bool allPointsAllowed, radioStorage& storage, EnhancedZIRK& conn);

}  // namespace vantrel
