#pragma once

#include "link/VirtualClock.h"
#include "link/VirtualLine.h"
#include "model/radioStorage.h"
#include "protocol/EnhancedZIRK.h"
#include "protocol/Framing.h"
#include "support/ScriptedPeer.h"

#include <gtest/gtest.h>

namespace vantrel {

using testing::Answer;
using testing::Bytes;
using testing::zirkFrame;

// The protocol object on a virtual line with a scripted radio at the far end.
class EnhancedZIRKTest : public ::testing::Test {
protected:
    EnhancedZIRKTest() { zirk.setPort(&port); }

    // A frame written out without its checksum, completed here.
    static Bytes withChecksum(Bytes frame) {
        frame.push_back(checksumOf(frame.data(), frame.size()));
        return frame;
    }
    static Bytes softpotAnswer(const Bytes& payload) { return zirkFrame(0x8A, payload); }
    static Bytes unsupported(const Bytes& payload = {}) { return zirkFrame(0x86, payload); }

    VirtualClock clock;
    VirtualLine line{clock};
    testing::ScriptedPeer peer{line};
    VirtualLinePort port{line};
    EnhancedZIRK zirk;
    radioStorage storage;
};

}  // namespace vantrel
