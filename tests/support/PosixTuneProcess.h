#pragma once

#include "support/PosixSimulatorProcess.h"

#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <poll.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vantrel::testing {

// `vantrel-cli tune` as its own process, its standard input and output on pipes: a request
// goes in as a line, its answer comes back as one.
class TuneProcess {
public:
    explicit TuneProcess(const std::vector<std::string>& arguments, const std::filesystem::path& errors) {
        int in[2];
        int out[2];
        if (pipe(in) != 0 || pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (int fd : {in[0], in[1], out[0], out[1]}) posix_spawn_file_actions_addclose(&actions, fd);
        std::vector<std::string> words{(kBinDirectory / "vantrel-cli").string(), "tune"};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (auto& w : words) argv.push_back(w.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(in[0]);
        close(out[1]);
        input_ = in[1];
        output_ = out[0];
    }
    ~TuneProcess() {
        closeInput();
        if (output_ >= 0) close(output_);
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            wait();
        }
    }
    TuneProcess(const TuneProcess&) = delete;
    TuneProcess& operator=(const TuneProcess&) = delete;

    // The next answer line; an empty text when none came within the time.
    std::string line(int timeoutMs = 30000) {
        for (;;) {
            const auto end = buffer_.find('\n');
            if (end != std::string::npos) {
                std::string next = buffer_.substr(0, end);
                buffer_.erase(0, end + 1);
                return next;
            }
            pollfd waiting{output_, POLLIN, 0};
            if (poll(&waiting, 1, timeoutMs) <= 0) return {};
            char chunk[4096];
            const ssize_t got = read(output_, chunk, sizeof chunk);
            if (got <= 0) return {};
            buffer_.append(chunk, static_cast<std::size_t>(got));
        }
    }
    nlohmann::json answer() {
        const std::string text = line();
        return text.empty() ? nlohmann::json() : nlohmann::json::parse(text, nullptr, false);
    }
    nlohmann::json request(const std::string& requestLine) {
        const std::string sent = requestLine + "\n";
        if (write(input_, sent.data(), sent.size()) != static_cast<ssize_t>(sent.size())) return {};
        return answer();
    }
    void closeInput() {
        if (input_ >= 0) close(input_);
        input_ = -1;
    }
    void closeOutput() {
        if (output_ >= 0) close(output_);
        output_ = -1;
    }
    void signal(int number) const { kill(pid_, number); }
    // The exit status, or 128 + the signal that ended the process.
    int wait() {
        if (pid_ <= 0) return -1;
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    std::string buffer_;
};

}  // namespace vantrel::testing
