#pragma once

#include "link/Clock.h"

namespace vantrel {

// The Windows tick counter and sleep: GetTickCount wraps after 49.7 days, which the pacing timer
// already allows for. Its resolution is the scheduler tick (10 to 16 ms); the pacing timer anchors
// its deadlines to the start of a wait, so coarse steps do not add up.
class Win32Clock : public Clock {
public:
    std::uint32_t milliseconds() override;
    void sleep(std::uint32_t ms) override;
};

}  // namespace vantrel
