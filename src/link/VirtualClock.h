#pragma once

#include "link/Clock.h"

#include <functional>

namespace vantrel {

// Time that moves only when someone sleeps. A 20-second time-out costs nothing, and every
// timing rule of the exchange engine can be checked to the tick.
class VirtualClock : public Clock {
public:
    explicit VirtualClock(std::uint32_t start = 0) : now_(start) {}
    std::uint32_t milliseconds() override { return now_; }
    void sleep(std::uint32_t ms) override { now_ += ms; }
    void advance(std::uint32_t ms) { now_ += ms; }

private:
    std::uint32_t now_;
};

}  // namespace vantrel
