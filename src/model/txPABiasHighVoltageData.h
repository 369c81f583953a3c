#pragma once

#include "model/txSingleValueData.h"

namespace vantrel {

// PA bias, tuned in test mode 9: Bias 1, 2 and 3 (softpots 18, 20, 27) at high power, and the
// PA voltage (softpot 6), which is driven while the biases are set but never kept. Reading
// first asks softpot 6 (code 28) to learn whether the radio has that voltage row.
class txPABiasHighVoltageData : public txSingleValueData {
public:
    txPABiasHighVoltageData();
    // Test mode 9 at the low level, with the class's spacing code.
    void setupLowLevel(EnhancedZIRK& conn) const;
};

// The high-power biases tuned with the receiver running (mobile models with a receive-mode
// bias). Its receive and low-level setups always use the 25 kHz code.
class txPABiasRxModeData : public txSingleValueData {
public:
    txPABiasRxModeData();
    void setupReceive(EnhancedZIRK& conn) const;
    void setupLowLevel(EnhancedZIRK& conn) const;
};

// The low-power biases; only Bias 1 is ever tuned or committed, but all three are read.
class txPABiasLowVoltageData : public txSingleValueData {
public:
    txPABiasLowVoltageData();
};

}  // namespace vantrel
