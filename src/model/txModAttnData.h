#pragma once

#include "model/softpotBase.h"

namespace vantrel {

// Modulation balance (softpot 3), seven transmit points.
class txModAttnData : public softpotBase {
public:
    txModAttnData() : softpotBase(SoftpotFamily::ModulationBalance) {}

    // Spacing 0, 1 or 2 is sent as the code of test mode 14; the VCO attenuation (softpot 2)
    // is then parked at 127 for the measurement. Other values send nothing.
    void setupTestMode(int spacing, EnhancedZIRK& conn) const;

    void readBalance(radioStorage& storage, EnhancedZIRK& conn) const { readInto(storage, conn); }
};

}  // namespace vantrel
