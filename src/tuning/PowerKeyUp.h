#pragma once

namespace vantrel {

class EnhancedZIRK;

// The power screens that set softpot 0 by hand (K and M, DAC) open the PA voltage limit
// (softpot 6) fully at every key-up, so that the power control value alone sets the power.
void openPaVoltageLimit(EnhancedZIRK& conn);

}  // namespace vantrel
