#pragma once

#include "model/softpotBase.h"

namespace vantrel {

// Front end filter (softpot 13), seven receive points.
class rxFEBPData : public softpotBase {
public:
    rxFEBPData() : softpotBase(SoftpotFamily::FrontEndFilter) {}

    // Test mode 0 at level 2 with the class's spacing code.
    void setupTestMode(EnhancedZIRK& conn) const;
    void readFilter(radioStorage& storage, EnhancedZIRK& conn) const { readInto(storage, conn); }
    // The RSSI calibration byte the filter screen shows on models with an RSSI DAC.
    void readRssiCalibration(radioStorage& storage, EnhancedZIRK& conn) const;
};

}  // namespace vantrel
