#pragma once

#include "model/softpotBase.h"

namespace vantrel {

// Reference oscillator warp: one two-byte value, tuned at the last used transmit point.
class txRefOscData : public softpotBase {
public:
    txRefOscData() : softpotBase(SoftpotFamily::ReferenceOscillator) {}

    // Function 0 ("first") or 1 ("second"), each closed by function 129, at level 2.
    void setupTestMode(EnhancedZIRK& conn, bool first, bool second) const;
    void commit(std::uint32_t value, EnhancedZIRK& conn) const { commitWrite(value, conn); }
};

}  // namespace vantrel
