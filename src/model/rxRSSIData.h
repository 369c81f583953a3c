#pragma once

#include "model/softpotBase.h"

namespace vantrel {

// RSSI thresholds: three softpot values and their levels in -dBm, read with the RSSI requests
// and set one at a time with softpot 26.
class rxRSSIData : public softpotBase {
public:
    rxRSSIData() : softpotBase(SoftpotFamily::RssiThresholds) {}

    // Test mode 0 at level 2: at 25 kHz, or at 12.5 kHz for the models that tune RSSI there.
    void setupTestMode(EnhancedZIRK& conn) const;
    void setupNarrowTestMode(EnhancedZIRK& conn) const;
    // Tells the radio to take the current signal as threshold `index` (0, 1 or 2).
    void updateThreshold(std::uint32_t index, EnhancedZIRK& conn) const { commitByte(family().softpot, index, conn); }
    // Code 15 and row 16 entries 0-5, from the radio's RSSI answers (the radio read and the
    // RSSI screen's refresh).
    void readThresholds(radioStorage& storage, EnhancedZIRK& conn) const { readInto(storage, conn); }
};

}  // namespace vantrel
