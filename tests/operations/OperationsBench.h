#pragma once

#include "link/PortConfigurationFile.h"
#include "operations/ProgressSink.h"
#include "sim/RadioProfile.h"
#include "sim/SimRadio.h"
#include "sim/VirtualLineRadio.h"
#include "support/RadioProfiles.h"
#include "support/ScopedProgramDirectory.h"
#include "support/VirtualPortOpener.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::testing {

// Remembers every call, in order: a text as itself, a percentage as "=<n>".
class RecordedProgress : public ProgressSink {
public:
    void setText(const std::string& text) override { calls.push_back(text); }
    void setPercent(int percent) override {
        std::string call("=");
        call += std::to_string(percent);
        calls.push_back(call);
        percents.push_back(percent);
    }

    std::vector<std::string> calls;
    std::vector<int> percents;
};

// A simulated radio on COM1, reached by every connection the code under test opens. The
// opener counts the ports opened and closed.
class RadioBench {
public:
    explicit RadioBench(const sim::RadioProfile& profile) : radio(profile), transport(radio, opener.line) {
        writePortNumber(1);
    }

    // The requests the radio received, optionally only those of one opcode.
    std::vector<sim::LoggedRequest> requests(std::optional<std::uint8_t> opcode = std::nullopt) const {
        std::vector<sim::LoggedRequest> found;
        for (const sim::LoggedRequest& request : radio.log()) {
            if (!opcode || request.opcode == *opcode) found.push_back(request);
        }
        return found;
    }
    // Payloads of one opcode, in order.
    std::vector<std::vector<std::uint8_t>> payloads(std::uint8_t opcode) const {
        std::vector<std::vector<std::uint8_t>> found;
        for (const sim::LoggedRequest& request : requests(opcode)) found.push_back(request.payload);
        return found;
    }
    // Softpot requests (0x20) naming this softpot first.
    std::vector<std::vector<std::uint8_t>> softpotPayloads(std::uint8_t softpot) const {
        std::vector<std::vector<std::uint8_t>> found;
        for (const auto& payload : payloads(0x20)) {
            if (!payload.empty() && payload[0] == softpot) found.push_back(payload);
        }
        return found;
    }
    sim::SoftpotStore& softpots() { return radio.model().softpots(); }

    ScopedProgramDirectory folder;
    VirtualPortOpener opener;
    sim::SimRadio radio;
    sim::VirtualLineRadio transport;
};

}  // namespace vantrel::testing
