#pragma once

#include "model/softpotBase.h"

namespace vantrel {

// VCO attenuation (softpot 2): seven points at 25 kHz spacing, and one value each for 20 kHz
// and 12.5 kHz kept at the last used transmit point.
class txVCOAttnData : public softpotBase {
public:
    txVCOAttnData() : softpotBase(SoftpotFamily::VcoAttenuation25) {}

    // Spacing 1, 2, 3 (25, 20, 12.5 kHz) sends the codes 2, 1, 0; other values send nothing.
    // The pair is function 0 ("first") or 1 ("second"), each closed by function 128.
    void setupTestMode(int spacing, EnhancedZIRK& conn, bool first, bool second) const;

    void read25kHz(radioStorage& storage, EnhancedZIRK& conn) const {
        read(SoftpotFamily::VcoAttenuation25, storage, conn);
    }
    void read20kHz(radioStorage& storage, EnhancedZIRK& conn) const {
        read(SoftpotFamily::VcoAttenuation20, storage, conn);
    }
    void read125kHz(radioStorage& storage, EnhancedZIRK& conn) const {
        read(SoftpotFamily::VcoAttenuation125, storage, conn);
    }
};

}  // namespace vantrel
