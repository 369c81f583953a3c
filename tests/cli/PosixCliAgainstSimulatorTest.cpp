#include "support/ScratchDirectory.h"

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

extern char** environ;

namespace vantrel {
namespace {

const std::filesystem::path kBin = VANTREL_BIN_DIR;

// vantrel-radio-sim running as its own process on a pseudo-terminal, for as long as the object.
class SimulatorProcess {
public:
    SimulatorProcess(const std::string& profile, const std::filesystem::path& link) : link_(link) {
        const std::string program = (kBin / "vantrel-radio-sim").string();
        const std::string profilePath = (kBin / "profiles" / profile).string();
        std::vector<std::string> words{program, "--profile", profilePath, "--link", link.string()};
        std::vector<char*> argv;
        for (auto& w : words) argv.push_back(w.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
        for (int i = 0; i < 200 && pid_ > 0 && !std::filesystem::is_symlink(link_); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~SimulatorProcess() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    bool ready() const { return pid_ > 0 && std::filesystem::is_symlink(link_); }

private:
    pid_t pid_ = -1;
    std::filesystem::path link_;
};

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
