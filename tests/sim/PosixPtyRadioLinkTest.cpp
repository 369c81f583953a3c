#include "SimFixture.h"

#include <gmock/gmock.h>

#include "sim/PtyRadioLink.h"

#include <chrono>
#include <csignal>
#include <fstream>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vantrel::sim::testing {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Reads until `count` bytes came or `timeoutMs` passed.
Bytes readFrom(int fd, std::size_t count, int timeoutMs) {
    Bytes bytes;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (bytes.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) break;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
        std::uint8_t buffer[64];
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, count - bytes.size()));
        if (n > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return bytes;
}

void writeTo(int fd, const Bytes& bytes) { ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), ssize_t(bytes.size())); }

const Bytes kSerialExchange = [] {
    Bytes b = request::kSerialNumber;
    b.push_back(0x50);
    const Bytes response = buildFrame(0xA3, textBytes(std::string("\x01") + "781TKA0101"));
    b.insert(b.end(), response.begin(), response.end());
    return b;
}();

class PtyRadio : public ::testing::Test {
protected:
    void SetUp() override {
        radio.emplace(loadRadioProfile(radioProfilePath("portable-v1.json")));
        link.emplace(*radio);
        link->start();
    }
    void TearDown() override { link->stop(); }

    int openSlave() {
        const int fd = ::open(link->slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        EXPECT_GE(fd, 0);
        return fd;
    }

    std::optional<SimRadio> radio;
    std::optional<PtyRadioLink> link;
};

TEST_F(PtyRadio, AnswersASerialNumberRequestInRealTimeAcrossReopenedPorts) {
    for (int round = 0; round < 2; ++round) {
        const int fd = openSlave();
        writeTo(fd, request::kSerialNumber);
        EXPECT_EQ(readFrom(fd, kSerialExchange.size(), 2000), kSerialExchange);
        EXPECT_TRUE(readFrom(fd, 1, 100).empty());
        ::close(fd);  // the host closes the port after every action
    }
    const auto log = radio->log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].frame, request::kSerialNumber);
}

TEST_F(PtyRadio, HoldsTheEchoWhileARequestMayStillBeLost) {
    FaultRule lose;
    lose.kind = FaultKind::NoEcho;
    lose.match.opcode = 0x19;
    radio->inject(lose);
    const int fd = openSlave();
    writeTo(fd, request::kSerialNumber);
    EXPECT_EQ(readFrom(fd, kSerialExchange.size(), 2000), kSerialExchange);
    writeTo(fd, request::kKeyUp);
    EXPECT_TRUE(readFrom(fd, 1, 300).empty());
    EXPECT_FALSE(radio->withModel([](RadioModel& m) { return m.state().keyed; }));
    writeTo(fd, request::kKeyUp);
    EXPECT_EQ(readFrom(fd, 5, 2000), (Bytes{0xF2, 0x19, 0x01, 0xF3, 0x50}));
    ::close(fd);
    EXPECT_TRUE(radio->withModel([](RadioModel& m) { return m.state().keyed; }));
}

// The program: a pseudo-terminal behind a link, served until SIGTERM.
struct Program {
    pid_t pid = -1;
    int out = -1;
    int err = -1;

    explicit Program(const std::vector<std::string>& args) {
        int outPipe[2];
        int errPipe[2];
        if (::pipe(outPipe) != 0 || ::pipe(errPipe) != 0) return;
        pid = ::fork();
        if (pid == 0) {
            ::dup2(outPipe[1], 1);
            ::dup2(errPipe[1], 2);
            std::vector<char*> argv;
            for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(outPipe[1]);
        ::close(errPipe[1]);
        out = outPipe[0];
        err = errPipe[0];
    }
    ~Program() {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        ::close(out);
        ::close(err);
    }
    std::string readLine(int fd) {
        std::string text;
        for (Bytes b = readFrom(fd, 1, 5000); !b.empty() && b[0] != '\n'; b = readFrom(fd, 1, 5000)) text += char(b[0]);
        return text;
    }
    int exitStatus() {
        int status = 0;
        ::waitpid(pid, &status, 0);
        pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

std::string simProgram() { return std::string(VANTREL_BIN_DIR) + "/vantrel-radio-sim"; }

TEST(RadioSimProgram, ServesBehindALinkUntilTerminatedAndRemovesTheLink) {
    ASSERT_TRUE(fs::exists(simProgram()));
    const fs::path link = fs::temp_directory_path() / ("vantrel-sim-com1-" + std::to_string(::getpid()));
    Program sim({simProgram(), "--profile", radioProfilePath("portable-v1.json").string(), "--link", link.string()});
    const std::string ready = sim.readLine(sim.out);
    const std::string prefix = "ready: " + link.string() + " -> ";
    ASSERT_TRUE(ready.starts_with(prefix + "/dev/")) << ready;
    const std::string slave = ready.substr(prefix.size());
    ASSERT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), slave);

    // A second simulator on the same link is turned away and leaves the first one's link alone.
    Program second({simProgram(), "--profile", radioProfilePath("portable-v1.json").string(), "--link", link.string()});
    EXPECT_THAT(second.readLine(second.err), ::testing::HasSubstr("is served by a running simulator"));
    EXPECT_EQ(second.exitStatus(), 1);
    EXPECT_EQ(fs::read_symlink(link), slave);

    const int fd = ::open(link.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    writeTo(fd, request::kSerialNumber);
    EXPECT_EQ(readFrom(fd, kSerialExchange.size(), 2000), kSerialExchange);
    ::close(fd);

    ::kill(sim.pid, SIGTERM);
    EXPECT_EQ(sim.exitStatus(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

TEST(RadioSimProgram, TakesOverALinkLeftBehindByASimulatorThatDied) {
    const fs::path link = fs::temp_directory_path() / ("vantrel-sim-stale-" + std::to_string(::getpid()));
    fs::create_symlink("/dev/pts/vantrel-gone", link);
    Program sim({simProgram(), "--profile", radioProfilePath("portable-v1.json").string(), "--link", link.string()});
    EXPECT_TRUE(sim.readLine(sim.out).starts_with("ready: " + link.string() + " -> /dev/"));
    EXPECT_NE(fs::read_symlink(link), "/dev/pts/vantrel-gone");
    ::kill(sim.pid, SIGTERM);
    EXPECT_EQ(sim.exitStatus(), 0);
}

TEST(RadioSimProgram, RefusesABadProfileWithAMessage) {
    const fs::path link = fs::temp_directory_path() / ("vantrel-sim-com9-" + std::to_string(::getpid()));
    const fs::path bad = fs::temp_directory_path() / ("vantrel-sim-bad-" + std::to_string(::getpid()) + ".json");
    std::ofstream(bad) << "{\"identity\": [";
    Program sim({simProgram(), "--profile", bad.string(), "--link", link.string()});
    const std::string message = sim.readLine(sim.err);
    EXPECT_EQ(sim.exitStatus(), 1);
    EXPECT_TRUE(message.starts_with("vantrel-radio-sim: bad radio profile: " + bad.string() + ": not valid JSON"))
        << message;
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    fs::remove(bad);

    Program usage({simProgram(), "--profile", bad.string()});
    EXPECT_EQ(usage.readLine(usage.err),
              "usage: vantrel-radio-sim --profile FILE --link PATH [--log FILE] [--meter FILE]");
    EXPECT_EQ(usage.exitStatus(), 2);
}

}  // namespace
}  // namespace vantrel::sim::testing
