#pragma once

namespace vantrel {

class TVantrelMDIClient;

// The PA bias commands: high power, low power and Rx mode, with the supply questions asked before
// the high and low power screens.
void installPaBiasCommands(TVantrelMDIClient& client);

namespace paBias {
inline constexpr int kHighPowerKind = 11;
inline constexpr int kLowPowerKind = 12;
inline constexpr int kRxModeKind = 11;
}  // namespace paBias

}  // namespace vantrel
