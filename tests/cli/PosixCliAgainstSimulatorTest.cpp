#include "files/ScratchDirectory.h"
#include "support/PosixSimulatorProcess.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vantrel {
namespace {

using testing::SimulatorProcess;
const std::filesystem::path kBin = testing::kBinDirectory;

int runCliProcess(const std::string& arguments, const std::filesystem::path& log) {
    const std::string command = (kBin / "vantrel-cli").string() + " " + arguments + " 2>" + log.string();
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The command line against the simulated radio over a real pseudo-terminal, in real time:
// the POSIX port, the exchange engine and the radio's own timing all for real.
TEST(PosixCliAgainstSimulator, ReadsAndProgramsARadioOverAPseudoTerminal) {
    testing::ScratchDirectory scratch;
    const auto link = scratch / "com1";
    SimulatorProcess simulator("portable-v1.json", link);
    ASSERT_TRUE(simulator.ready());
    const auto archive = scratch / "radio.sfp";
    const auto log = scratch / "cli.log";

    ASSERT_EQ(runCliProcess("read --device " + link.string() + " -o " + archive.string(), log), 0)
        << testing::readWholeFile(log);
    EXPECT_THAT(testing::readWholeFile(log), ::testing::HasSubstr("Radio has been successfully read !!"));
    ASSERT_TRUE(std::filesystem::exists(archive));

    ASSERT_EQ(runCliProcess("program " + archive.string() + " --device " + link.string(), log), 0)
        << testing::readWholeFile(log);
    EXPECT_THAT(testing::readWholeFile(log), ::testing::HasSubstr("Radio successfully programmed!!"));
}

}  // namespace
}  // namespace vantrel
