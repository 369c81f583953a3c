#pragma once

// The real POSIX port for the benchmarks, counting the transmissions whose pauses make the
// protocol's floor and noting when each frame leaves.

#include "link/PortOpener.h"
#include "link/PosixCommunicationPort.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include <time.h>

namespace vantrel::bench {

inline double seconds(clockid_t id = CLOCK_MONOTONIC) {
    timespec t{};
    clock_gettime(id, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Every request must be followed by a pause of 110 ms (plain exchanges) or 175 ms (exchanges
// that hand back data or record a write).
struct Pauses {
    long plain = 0;
    long verified = 0;
    long opened = 0;
    double floorSeconds() const { return (plain * 110.0 + verified * 175.0) / 1000.0; }
    long requests() const { return plain + verified; }
};

class CountingPort : public PosixCommunicationPort {
public:
    // Told of each frame as it starts to leave: its bytes and whether it is a verified one.
    using Listener = std::function<void(const std::uint8_t* bytes, std::uint32_t count, bool verified)>;

    CountingPort(const std::string& device, Pauses& pauses, Listener listener)
        : PosixCommunicationPort(std::filesystem::path(device), 9600, parity::kNone, 8, stopbits::kOne, 0),
          pauses_(pauses), listener_(std::move(listener)) {}
    void transmit(const std::uint8_t* bytes, std::uint32_t count) override {
        ++pauses_.plain;
        if (listener_) listener_(bytes, count, false);
        PosixCommunicationPort::transmit(bytes, count);
    }
    void transmitVerified(const std::uint8_t* bytes, std::uint32_t count) override {
        ++pauses_.verified;
        if (listener_) listener_(bytes, count, true);
        PosixCommunicationPort::transmitVerified(bytes, count);
    }

private:
    Pauses& pauses_;
    Listener listener_;
};

class CountingOpener : public PortOpener {
public:
    CountingOpener(std::string device, Pauses& pauses, CountingPort::Listener listener = {})
        : device_(std::move(device)), pauses_(pauses), listener_(std::move(listener)) {}
    std::unique_ptr<CommunicationPort> open(std::int32_t) override {
        ++pauses_.opened;
        return std::make_unique<CountingPort>(device_, pauses_, listener_);
    }

private:
    std::string device_;
    Pauses& pauses_;
    CountingPort::Listener listener_;
};

}  // namespace vantrel::bench
