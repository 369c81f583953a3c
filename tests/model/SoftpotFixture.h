#pragma once

#include "link/VirtualClock.h"
#include "link/VirtualLine.h"
#include "model/radioStorage.h"
#include "protocol/EnhancedZIRK.h"
#include "support/ScriptedPeer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace vantrel {

using testing::Answer;
using testing::Bytes;
using testing::zirkFrame;

// A softpot data class or read on a virtual line, with a scripted radio at the far end.
// Anything the script does not cover is answered with a plain softpot response.
class SoftpotTest : public ::testing::Test {
protected:
    SoftpotTest() {
        conn.setPort(&port);
        peer.otherwise(Answer::respond(softpotAnswer({0x00})));
    }

    // The frames the host put on the wire, in order.
    std::vector<Bytes> sent() const { return peer.frames(); }
    std::vector<Bytes> sentWithOpcode(std::uint8_t opcode) const {
        std::vector<Bytes> matching;
        for (const Bytes& frame : peer.frames()) {
            if (frame.size() > 1 && frame[1] == opcode) matching.push_back(frame);
        }
        return matching;
    }

    // Radio answers.
    static Answer answerWith(const Bytes& payload) { return Answer::respond(softpotAnswer(payload)); }
    static Answer unsupportedAnswer() { return Answer::respond(zirkFrame(0x86, {})); }
    static Bytes softpotAnswer(const Bytes& payload) { return zirkFrame(0x8A, payload); }

    // Host requests as they must appear on the wire.
    static Bytes testModeFrame(std::uint8_t function, std::uint8_t level, std::uint8_t spacing) {
        return zirkFrame(0x22, {function, level, spacing});
    }
    static Bytes channelFrame(std::uint16_t transmit, std::uint16_t receive) {
        return zirkFrame(0x21, {0x00, hi(transmit), lo(transmit), hi(receive), lo(receive)});
    }
    static Bytes singleReadFrame(std::uint8_t softpot) { return zirkFrame(0x20, {softpot, 0x00, 0x00}); }
    static Bytes allPointsReadFrame(std::uint8_t softpot) { return zirkFrame(0x20, {softpot, 0x03, 0x00}); }
    static Bytes writeFrame(std::uint8_t softpot, std::uint8_t mode, const Bytes& value) {
        Bytes payload{softpot, mode};
        payload.insert(payload.end(), value.begin(), value.end());
        return zirkFrame(0x20, payload);
    }

    // The frequency plan: transmit and receive point values F1..F7 (0 = unused).
    void setPlan(const std::array<std::int32_t, 7>& tx, const std::array<std::int32_t, 7>& rx) {
        for (int i = 0; i < 7; ++i) {
            storage.setValue(0, i, tx[i]);
            storage.setValue(0, 14 + i, rx[i]);
        }
    }
    void fillRow(int row, std::int32_t value) {
        for (int entry = 0; entry < radioStorage::kEntries; ++entry) storage.setValue(row, entry, value);
    }

    VirtualClock clock;
    VirtualLine line{clock};
    testing::ScriptedPeer peer{line};
    VirtualLinePort port{line};
    EnhancedZIRK conn;
    radioStorage storage;

private:
    static std::uint8_t hi(std::uint16_t v) { return static_cast<std::uint8_t>(v >> 8); }
    static std::uint8_t lo(std::uint16_t v) { return static_cast<std::uint8_t>(v & 0xFF); }
};

}  // namespace vantrel
