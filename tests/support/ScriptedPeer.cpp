#include "support/ScriptedPeer.h"

namespace vantrel::testing {

ScriptedPeer::ScriptedPeer(VirtualLine& line) : line_(line) { line_.attach(this); }

ScriptedPeer::~ScriptedPeer() { line_.attach(nullptr); }

ScriptedPeer& ScriptedPeer::answer(Answer next) {
    script_.push_back(std::move(next));
    return *this;
}

ScriptedPeer& ScriptedPeer::answer(const Answer& next, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) script_.push_back(next);
    return *this;
}

ScriptedPeer& ScriptedPeer::otherwise(Answer fallback) {
    fallback_ = std::move(fallback);
    return *this;
}

void ScriptedPeer::play(const Answer& answer, std::uint32_t from, VirtualLine& line) {
    std::uint32_t t = from;
    for (const Burst& burst : answer.bursts) {
        if (burst.bytes.empty()) continue;
        t = line.sendToHost(burst.bytes, t + burst.delayMs, burst.gapMs);
    }
}

void ScriptedPeer::byteFromHost(std::uint8_t byte, std::uint32_t arrivedAt, VirtualLine& line) {
    auto frame = assembler_.add(byte);
    if (!frame) return;
    frames_.push_back(std::move(*frame));
    if (script_.empty()) {
        play(fallback_, arrivedAt, line);
        return;
    }
    const Answer next = std::move(script_.front());
    script_.pop_front();
    play(next, arrivedAt, line);
}

}  // namespace vantrel::testing
