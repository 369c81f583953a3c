#pragma once

#include "model/softpotBase.h"

namespace vantrel {

// Auto squelch (softpot 7): seven receive points at each of 12.5, 20 and 25 kHz spacing.
class rxAutoSquelchData : public softpotBase {
public:
    rxAutoSquelchData() : softpotBase(SoftpotFamily::AutoSquelch125) {}

    // Spacing 1, 2, 3 (25, 20, 12.5 kHz) sends the codes 2, 1, 0; other values send nothing.
    // Function 0 ("first") or 1 ("second"), with no closing request.
    void setupTestMode(int spacing, EnhancedZIRK& conn, bool first, bool second) const;

    void read125kHz(radioStorage& storage, EnhancedZIRK& conn) const {
        read(SoftpotFamily::AutoSquelch125, storage, conn);
    }
    void read20kHz(radioStorage& storage, EnhancedZIRK& conn) const {
        read(SoftpotFamily::AutoSquelch20, storage, conn);
    }
    void read25kHz(radioStorage& storage, EnhancedZIRK& conn) const {
        read(SoftpotFamily::AutoSquelch25, storage, conn);
    }
};

}  // namespace vantrel
