#include "support/ScratchDirectory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using Clock = std::chrono::steady_clock;

const fs::path kBin = VANTREL_BIN_DIR;

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const auto end = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> found;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) found.push_back(line);
    return found;
}

// A program run as its own process, standard output and error kept in files.
class Process {
public:
    Process(const std::vector<std::string>& argv, const fs::path& folder, const std::string& name)
        : out_(folder / (name + ".out")), err_(folder / (name + ".err")) {
        pid_ = ::fork();
        if (pid_ == 0) {
            const int out = ::open(out_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int err = ::open(err_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(out, 1);
            ::dup2(err, 2);
            std::vector<char*> args;
            for (const std::string& word : argv) args.push_back(const_cast<char*>(word.c_str()));
            args.push_back(nullptr);
            ::execv(args[0], args.data());
            ::_exit(127);
        }
    }
    ~Process() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    void signal(int number) const { ::kill(pid_, number); }
    int exitStatus() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string out() const { return testing::readWholeFile(out_); }
    std::string err() const { return testing::readWholeFile(err_); }

private:
    pid_t pid_ = -1;
    fs::path out_;
    fs::path err_;
};

// vantrel-radio-sim on a pseudo-terminal, waited for by its ready line as a script would.
class SimulatorProcess {
public:
    SimulatorProcess(const std::string& profile, const fs::path& folder)
        : link_(folder / "com1"),
          log_(folder / "sim.log"),
          process_({(kBin / "vantrel-radio-sim").string(), "--profile", (kBin / "profiles" / profile).string(),
                    "--link", link_.string(), "--log", log_.string()},
                   folder, "sim") {
        ready_ = waitFor([&] { return process_.out().starts_with("ready: " + link_.string() + " -> /dev/"); });
    }
    ~SimulatorProcess() {
        process_.signal(SIGTERM);
        process_.exitStatus();
    }

    bool ready() const { return ready_ && fs::is_symlink(link_); }
    const fs::path& link() const { return link_; }
    fs::path terminal() const { return fs::read_symlink(link_); }
    std::vector<std::string> log() const { return lines(testing::readWholeFile(log_)); }
    void clearLog() const { testing::writeWholeFile(log_, ""); }

private:
    fs::path link_;
    fs::path log_;
    Process process_;
    bool ready_ = false;
};

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// The command line against the simulated radio over a real pseudo-terminal, in real time:
// the POSIX port, the exchange engine and the radio's own timing all for real.
class PosixCliAgainstSimulator : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(simulator.ready()); }

    std::vector<std::string> command(const std::vector<std::string>& arguments) const {
        std::vector<std::string> argv{(kBin / "vantrel-cli").string()};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        return argv;
    }

    Outcome run(const std::vector<std::string>& arguments) {
        Process cli(command(arguments), scratch.path(), "cli");
        const int status = cli.exitStatus();
        return {status, cli.out(), cli.err()};
    }

    // Starts a command, and once the radio has heard `requests` of it sends the signal.
    Outcome interrupt(const std::vector<std::string>& arguments, int signal, std::size_t requests) {
        Process cli(command(arguments), scratch.path(), "cli");
        EXPECT_TRUE(waitFor([&] { return simulator.log().size() >= requests; }));
        cli.signal(signal);
        const int status = cli.exitStatus();
        return {status, cli.out(), cli.err()};
    }

    std::string device() const { return simulator.link().string(); }

    fs::path readArchive() {
        const fs::path archive = scratch / "radio.sfp";
        const Outcome read = run({"read", "--device", device(), "-o", archive.string(), "--key", "7"});
        EXPECT_EQ(read.status, 0) << read.err;
        simulator.clearLog();
        return archive;
    }

    testing::ScratchDirectory scratch;
    SimulatorProcess simulator{"portable-v1.json", scratch.path()};
};

TEST_F(PosixCliAgainstSimulator, ReadsAndProgramsARadio) {
    const fs::path archive = scratch / "radio.sfp";
    Outcome done = run({"read", "--device", device(), "-o", archive.string()});
    ASSERT_EQ(done.status, 0) << done.err;
    EXPECT_THAT(done.err, HasSubstr("Radio has been successfully read !!"));
    // Standard error is no terminal here: no progress lines.
    EXPECT_THAT(done.err, ::testing::Not(HasSubstr("% Complete")));
    ASSERT_TRUE(fs::exists(archive));

    done = run({"program", archive.string(), "--device=" + device()});
    ASSERT_EQ(done.status, 0) << done.err;
    EXPECT_THAT(done.err, HasSubstr("Radio successfully programmed!!"));
}

// Each way a port fails to open is named, with the device, and ends with the port's status.
TEST_F(PosixCliAgainstSimulator, SaysWhyAPortDidNotOpen) {
    const fs::path missing = scratch / "ttyUSB9";
    // A link left pointing at an adapter number that has gone: both are named.
    const fs::path stale = scratch / "com2";
    fs::create_symlink("/dev/ttyUSB77", stale);
    const struct {
        std::vector<std::string> port;
        std::string says;
    } cases[] = {
        {{"--device", missing.string()}, missing.string() + ": no such device"},
        {{"--device", stale.string()}, stale.string() + " -> /dev/ttyUSB77: no such device"},
        {{"--device", scratch.path().string()}, scratch.path().string() + ": a directory, not a serial port"},
        {{"--device", "/dev/null"}, "/dev/null: not a serial port"},
        {{"--device", ""}, "no serial port named"},
        {{"--port", "0"}, "no serial port named"},
        // COM 9 with no com9 link beside the program: the serial port that would be, and is not.
        {{"--port", "9"}, "/dev/ttyS8: no such device"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"info"};
        arguments.insert(arguments.end(), c.port.begin(), c.port.end());
        const Outcome failed = run(arguments);
        EXPECT_EQ(failed.status, 3) << c.says;
        EXPECT_THAT(failed.err, HasSubstr("vantrel-cli: " + c.says));
    }
    EXPECT_TRUE(simulator.log().empty());

    // Held by another program (claimed and locked, which turns away root as well): still "in use".
    const int holder = ::open(device().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::ioctl(holder, TIOCEXCL), 0);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    const Outcome held = run({"info", "--device", device()});
    ::ioctl(holder, TIOCNXCL);
    ::close(holder);
    EXPECT_EQ(held.status, 3);
    EXPECT_THAT(held.err, HasSubstr(device() + " -> " + simulator.terminal().string() + ": in use by another program"));
}

TEST_F(PosixCliAgainstSimulator, NamesTheDialoutGroupToAUserWithoutPermission) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to run the command as the unprivileged user nobody";
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr || !fs::exists("/usr/bin/setpriv")) GTEST_SKIP() << "no user nobody or no setpriv";
    // The terminal itself, so that no folder of the test stands in nobody's way.
    const std::string terminal = simulator.terminal().string();
    Process cli(
        {"/usr/bin/setpriv", "--reuid=" + std::to_string(nobody->pw_uid), "--regid=" + std::to_string(nobody->pw_gid),
         "--clear-groups", (kBin / "vantrel-cli").string(), "info", "--device", terminal},
        scratch.path(), "cli");
    const int status = cli.exitStatus();
    if (status == 127) GTEST_SKIP() << "nobody cannot run " << (kBin / "vantrel-cli") << ": " << cli.err();
    EXPECT_EQ(status, 3);
    EXPECT_THAT(cli.err(), HasSubstr(terminal + ": permission denied \u2014 add yourself to the dialout group"));
}

// A read is never thrown away for a bad output path: it is refused before the first request.
TEST_F(PosixCliAgainstSimulator, RefusesABadOutputBeforeTheRadioHearsAnything) {
    const fs::path dangling = scratch / "dangling.sfp";
    fs::create_symlink(scratch / "nowhere" / "radio.sfp", dangling);
    const struct {
        fs::path output;
        std::string says;
    } cases[] = {
        {scratch / "no-folder" / "radio.sfp", "cannot be written"},
        {scratch.path(), "is a directory"},
        {"/dev/null", "not a regular file"},
        {dangling, "a symbolic link to a file that does not exist"},
    };
    for (const auto& c : cases) {
        const Outcome refused = run({"read", "--device", device(), "-o", c.output.string()});
        EXPECT_EQ(refused.status, 4) << c.output;
        EXPECT_THAT(refused.err, HasSubstr(c.output.string() + ": " + c.says));
        EXPECT_TRUE(simulator.log().empty()) << c.output;
    }
    EXPECT_TRUE(fs::is_symlink(dangling));
}

TEST_F(PosixCliAgainstSimulator, WritesToStandardOutputAndThroughSymbolicLinks) {
    const fs::path archive = readArchive();
    const Outcome piped = run({"read", "--device", device(), "-o", "-", "--key", "7"});
    ASSERT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out, testing::readWholeFile(archive));

    // A link is followed: its file gets the new archive and the link stays a link.
    const fs::path target = scratch / "kept.sfp";
    const fs::path link = scratch / "latest.sfp";
    testing::writeWholeFile(target, "old");
    fs::create_symlink(target, link);
    ASSERT_EQ(run({"read", "--device", device(), "-o", link.string(), "--key", "7"}).status, 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(testing::readWholeFile(target), testing::readWholeFile(archive));

    // The report goes to standard output unless -o names a file.
    const Outcome report = run({"report", archive.string()});
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_THAT(report.out, HasSubstr("781TKA0101"));
    const fs::path file = scratch / "report.txt";
    ASSERT_EQ(run({"report", "-o", file.string(), "--", archive.string()}).status, 0);
    EXPECT_EQ(testing::readWholeFile(file), report.out);
}

// Interrupted, the command finishes the exchange in flight, resets the radio and says so.
TEST_F(PosixCliAgainstSimulator, ResetsTheRadioWhenInterrupted) {
    const fs::path archive = readArchive();
    const struct {
        std::vector<std::string> arguments;
        int signal;
        int status;
        bool partlyProgrammed;
    } cases[] = {
        {{"read", "-o", (scratch / "cut.sfp").string()}, SIGINT, 130, false},
        {{"read", "-o", (scratch / "cut.sfp").string()}, SIGTERM, 143, false},
        {{"program", archive.string()}, SIGINT, 130, true},
    };
    for (const auto& c : cases) {
        simulator.clearLog();
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.end(), {"--device", device()});
        const Outcome stopped = interrupt(arguments, c.signal, 8);
        EXPECT_EQ(stopped.status, c.status) << stopped.err;
        const std::vector<std::string> log = simulator.log();
        ASSERT_FALSE(log.empty());
        EXPECT_THAT(log.back(), HasSubstr(" op=10 ")) << "the reset request comes last";
        EXPECT_THAT(stopped.err, HasSubstr("interrupted; the radio was reset"));
        EXPECT_EQ(stopped.err.find("may be partly programmed") != std::string::npos, c.partlyProgrammed);
        // No request was cut off half way: every one the radio heard was whole.
        for (const std::string& line : log) EXPECT_THAT(line, ::testing::Not(HasSubstr("bad-checksum")));
        EXPECT_FALSE(fs::exists(scratch / "cut.sfp"));
    }
}

TEST_F(PosixCliAgainstSimulator, PrintsTheIdentityAsJsonAndTracesTheExchanges) {
    const Outcome json = run({"info", "--json", "--device", device()});
    ASSERT_EQ(json.status, 0) << json.err;
    const nlohmann::json identity = nlohmann::json::parse(json.out);
    EXPECT_EQ(identity.at("serialNumber"), "781TKA0101");
    EXPECT_EQ(identity.at("tuningProcedureVersion"), 1);
    ASSERT_EQ(identity.at("points").size(), 7u);
    EXPECT_DOUBLE_EQ(identity.at("points")[0].at("transmitMHz").get<double>(), 138.0);

    // -v: every request the radio heard, byte for byte, with the time it went out.
    const Outcome traced = run({"info", "-v", "--device", device()});
    ASSERT_EQ(traced.status, 0) << traced.err;
    EXPECT_THAT(traced.err, ::testing::ContainsRegex("[0-9]+\\.[0-9]{3} > F2 23 01 E9\n"));
    EXPECT_THAT(traced.err, ::testing::ContainsRegex("[0-9]+\\.[0-9]{3} < 50"));
}

// What a script relies on: help, version, option forms and exit statuses.
TEST(PosixCliConventions, HelpVersionOptionFormsAndExitStatuses) {
    testing::ScratchDirectory scratch;
    const auto run = [&](const std::vector<std::string>& arguments) {
        std::vector<std::string> argv{(kBin / "vantrel-cli").string()};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        Process cli(argv, scratch.path(), "cli");
        const int status = cli.exitStatus();
        return Outcome{status, cli.out(), cli.err()};
    };
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {{"--version"}, 0, "vantrel-cli ", ""},
        {{"--help"}, 0, "Exit status:", ""},
        {{"read", "--help"}, 0, "Usage: vantrel-cli read -o FILE.sfp", ""},
        {{"info", "-h"}, 0, "--json", ""},
        {{"info", "-o", "x"}, 2, "", "info does not take --output"},
        {{"report", "x.sfp", "--key=3"}, 2, "", "report does not take --key"},
        {{"info", "--json=yes"}, 2, "", "--json takes no value"},
        {{"read", "--port"}, 2, "", "--port needs a value"},
        {{"read", "-o", "x.sfp", "-q", "-v"}, 2, "", "exclude each other"},
        {{"program", (scratch / "missing.sfp").string()}, 4, "", "Archive File could not be opened!!"},
        {{"frobnicate"}, 2, "", "unknown command frobnicate"},
    };
    for (const auto& c : cases) {
        const Outcome got = run(c.arguments);
        EXPECT_EQ(got.status, c.status) << c.arguments[0] << " " << got.err;
        EXPECT_THAT(got.out, HasSubstr(c.out));
        EXPECT_THAT(got.err, HasSubstr(c.err));
    }
    // The help of a command lists only what it takes.
    EXPECT_THAT(run({"report", "--help"}).out, ::testing::Not(HasSubstr("--device")));
}

TEST(PosixDesktopProgram, AnswersHelpAndVersionWithoutADisplay) {
    if (!fs::exists(kBin / "vantrel")) GTEST_SKIP() << "the desktop program is not built here";
    testing::ScratchDirectory scratch;
    for (const std::string option : {"--help", "--version"}) {
        // No display of any kind: the toolkit would abort if it were started.
        const std::string shell =
            "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + (kBin / "vantrel").string() + " " + option;
        Process desktop({"/bin/sh", "-c", shell}, scratch.path(), "vantrel");
        EXPECT_EQ(desktop.exitStatus(), 0) << option << ": " << desktop.err();
        EXPECT_THAT(desktop.out(), HasSubstr(option == "--help" ? "Usage: vantrel [ARCHIVE]" : "vantrel "));
    }
}

}  // namespace
}  // namespace vantrel
