#pragma once

#include <chrono>
#include <csignal>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vantrel::testing {

inline const std::filesystem::path kBinDirectory = VANTREL_BIN_DIR;

// vantrel-radio-sim running as its own process on a pseudo-terminal, for as long as the object;
// with a log, every request it receives is a line of that file.
class SimulatorProcess {
public:
    SimulatorProcess(const std::string& profile, const std::filesystem::path& link,
                     const std::optional<std::filesystem::path>& log = std::nullopt)
        : link_(link) {
        const std::string program = (kBinDirectory / "vantrel-radio-sim").string();
        const std::string profilePath = (kBinDirectory / "profiles" / profile).string();
        std::vector<std::string> words{program, "--profile", profilePath, "--link", link.string()};
        if (log) words.insert(words.end(), {"--log", log->string()});
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
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    bool ready() const { return pid_ > 0 && std::filesystem::is_symlink(link_); }

private:
    pid_t pid_ = -1;
    std::filesystem::path link_;
};

}  // namespace vantrel::testing
