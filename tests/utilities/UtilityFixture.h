#pragma once

#include "model/radioStorage.h"
#include "operations/OperationsBench.h"
#include "operations/radioOperations.h"
#include "support/ScriptedUtilityMessages.h"

#include <fstream>
#include <string>

namespace vantrel::testing {

inline std::string sampleConfig() {
    std::ifstream sample(std::string(VANTREL_SOURCE_DIR) + "/src/resources/bbo.cfg", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(sample), {});
}

// A simulated radio on COM1, read into a storage as Read Radio would, with the request log
// cleared, a scripted technician and the program's window kind.
struct UtilityBench {
    explicit UtilityBench(const std::string& profile) : bench(testing::simulatedRadio(profile + ".json")) {
        RecordedProgress progress;
        operations.readRadio(storage, progress);
        bench.radio.clearLog();
    }
    // Writes "bbo.cfg" into the program folder.
    void writeConfig(const std::string& bytes) const {
        std::ofstream(bench.folder.path() / "bbo.cfg", std::ios::binary) << bytes;
    }
    std::vector<std::uint8_t> memory(std::uint32_t address, std::uint32_t count) {
        return bench.radio.model().readMemory(address, count);
    }
    void refuseEvery(std::uint8_t opcode) {
        sim::FaultRule rule;
        rule.kind = sim::FaultKind::Refuse;
        rule.match.opcode = opcode;
        rule.count = sim::FaultRule::kForever;
        bench.radio.inject(rule);
    }

    RadioBench bench;
    radioStorage storage;
    radioOperations operations;
    ScriptedUtilityMessages ui;
    int kind = 0;
};

}  // namespace vantrel::testing
