#pragma once

#include "model/txSingleValueData.h"

namespace vantrel {

// Battery threshold (softpot 10): the radio measures the threshold itself at the supply
// voltage the technician has set (an auto-tune), and the commit tells it to keep it.
class txBatteryData : public txSingleValueData {
public:
    txBatteryData();
    // Sends softpot 10, mode 1, the single byte 1, whatever value it is given: the radio
    // keeps the threshold it measured, not a value from the host.
    void commit(std::uint32_t value, EnhancedZIRK& conn) const override;
};

}  // namespace vantrel
