#pragma once

#include "sim/FaultPlan.h"
#include "sim/RadioModel.h"
#include "sim/RadioProfile.h"
#include "sim/RequestLog.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace vantrel::sim {

// A run of bytes the radio puts on the line. Its first byte arrives `delayMs` after the last
// byte before it (the request's, or the previous transmission's); the others `gapMs` apart.
struct Transmission {
    std::vector<std::uint8_t> bytes;
    std::uint32_t delayMs = 1;
    std::uint32_t gapMs = 1;
};

// Everything the line carries back for one request besides the radio's silence.
struct Answer {
    bool echo = true;  // false: the line lost the request, echo included
    std::vector<Transmission> transmissions;
};

// The simulated radio as a whole: the model, the faults a test armed, and the log of every
// request. It answers complete request frames; the transports move the bytes. Every member is
// safe to call from a test thread while a transport serves on another.
class SimRadio {
public:
    // The radio acknowledges a few milliseconds after a request's last byte and sends its
    // response right behind the acknowledgement, as one burst.
    static constexpr std::uint32_t kAcknowledgeDelayMs = 3;

    explicit SimRadio(const RadioProfile& profile);

    // The radio's answer to one complete frame whose last byte arrived at `at`.
    Answer answer(const std::vector<std::uint8_t>& frame, std::uint32_t at);
    // Whether a request may still be lost with its echo: a transport that echoes by itself
    // then holds each echo until the frame is complete.
    bool mayLoseEcho() const;

    void inject(const FaultRule& rule);
    void clearFaults();

    std::vector<LoggedRequest> log() const;
    void clearLog();
    // Told of every request as it is logged (under the radio's lock: keep it short).
    void setObserver(std::function<void(const LoggedRequest&)> observer);

    // The model under the radio's lock, for looking at or changing it while a transport runs.
    template <typename F>
    auto withModel(F&& f) {
        std::lock_guard lock(mutex_);
        return f(model_);
    }
    // The model without the lock: only while no transport serves on another thread.
    RadioModel& model() { return model_; }

private:
    Answer respond(LoggedRequest& entry);

    mutable std::mutex mutex_;
    RadioModel model_;
    FaultPlan faults_;
    std::vector<LoggedRequest> log_;
    std::function<void(const LoggedRequest&)> observer_;
};

}  // namespace vantrel::sim
