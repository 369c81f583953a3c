#pragma once

#include "tuning/TuningSession.h"

#include <vector>

namespace vantrel {

class radioStorage;

// The seven rows of a screen tuned at every frequency point: row n is point F(n+1), in use
// when its own half (transmit or receive) is, at the channel of its own value and the partner
// value of the other half.
std::vector<TuningRow> perPointRows(const radioStorage& storage, bool receiveSide);

}  // namespace vantrel
