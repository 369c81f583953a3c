#pragma once

#include "model/softpotBase.h"

namespace vantrel {

// Rated volume (softpot 8): the carrier squelch value, and on Sollen-capable models a second
// value for the Sollen environment.
class rxRatedVolumeData : public softpotBase {
public:
    rxRatedVolumeData() : softpotBase(SoftpotFamily::RatedVolume) {}

    // The A and B model groups take the 12.5 kHz code here whatever their channel spacing.
    void updateSpacingCode(const radioStorage& storage);
    // which 0: carrier squelch (test mode 0); which 1: Sollen (test mode 18); other values
    // send nothing.
    void setupTestMode(EnhancedZIRK& conn, int which) const;
    void commit(std::uint32_t value, EnhancedZIRK& conn) const { commitWrite(value, conn); }
    // The Sollen value; a model that is not Sollen-capable has none, and nothing is sent.
    void readSecondInto(radioStorage& storage, EnhancedZIRK& conn) const;
};

}  // namespace vantrel
