#include "link/Clock.h"

#include <chrono>
#include <thread>

namespace vantrel {

std::uint32_t SteadyClock::milliseconds() {
    const auto since = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(since.count());
}

void SteadyClock::sleep(std::uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

Clock& systemClock() {
    static SteadyClock clock;
    return clock;
}

}  // namespace vantrel
