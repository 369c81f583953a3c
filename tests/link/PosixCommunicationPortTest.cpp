#include "link/CommunicationError.h"
#include "link/PortOpenFailure.h"
#include "link/PosixCommunicationPort.h"
#include "link/PosixPseudoTerminal.h"
#include "link/ProgramDirectory.h"
#include "link/VirtualClock.h"
#include "support/ScopedProgramDirectory.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

// These tests run on a real pseudo-terminal in real time; each wait is bounded well below a
// second, so a failure shows as a failed expectation rather than a hang.
constexpr auto kPatience = 500ms;

bool eventually(const std::function<bool()>& condition) {
    const auto until = std::chrono::steady_clock::now() + kPatience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

void writeAll(int fd, const Bytes& bytes) {
    ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
}

// Whatever reaches the radio's end within the patience, up to `count` bytes.
Bytes readAtRadio(int master, std::size_t count) {
    Bytes got;
    const auto until = std::chrono::steady_clock::now() + kPatience;
    while (got.size() < count && std::chrono::steady_clock::now() < until) {
        pollfd p{master, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0) continue;
        std::uint8_t buffer[64];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n > 0) got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}

std::size_t openDescriptors() {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator{}));
}

class PosixPortTest : public ::testing::Test {
protected:
    PosixCommunicationPort open(std::int32_t echoCheck = 0) {
        return PosixCommunicationPort(fs::path(pty.slavePath()), 9600, 0, 8, 0, echoCheck, clock);
    }
    termios lineSettings() {
        termios t{};
        EXPECT_EQ(::tcgetattr(pty.heldSlave(), &t), 0);
        return t;
    }

    PosixPseudoTerminal pty;
    VirtualClock clock;  // the pauses after sending cost nothing; the pty itself runs in real time
};

TEST_F(PosixPortTest, RunsTheRadioLineFormatWhateverIsStored) {
    PosixCommunicationPort port = open();
    port.setDataBits(7);
    port.setParity(parity::kEven);
    port.setStopBits(stopbits::kTwo);
    const termios t = lineSettings();
    EXPECT_EQ(::cfgetospeed(&t), B9600);
    EXPECT_EQ(::cfgetispeed(&t), B9600);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL | INPCK | PARMRK), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_cc[VMIN], 0);
    EXPECT_EQ(t.c_cc[VTIME], 0);
    EXPECT_EQ(port.dataBits(), 8);
    EXPECT_EQ(port.portNumber(), 0u);
}

TEST_F(PosixPortTest, SendsEveryByteUnchangedToTheFarEnd) {
    PosixCommunicationPort port = open();
    const Bytes request{0xF2, 0x23, 0x01, 0xE9};
    port.transmit(request.data(), 4);
    EXPECT_EQ(readAtRadio(pty.master(), 4), request);
    // Bytes a cooked terminal would translate or swallow pass as they are.
    const Bytes awkward{0x0A, 0x0D, 0x11, 0x13, 0x03, 0xFF, 0x00};
    port.transmitVerified(awkward.data(), 7);
    EXPECT_EQ(readAtRadio(pty.master(), 7), awkward);
}

TEST_F(PosixPortTest, CountsReceivesAndPurgesWaitingBytes) {
    PosixCommunicationPort port = open();
    EXPECT_EQ(port.bytesAvailable(), 0u);
    std::uint8_t buffer[16] = {};
    EXPECT_EQ(port.receive(buffer, 16), 0u) << "a read on a silent line returns at once, empty";

    writeAll(pty.master(), {0x50, 0xF2, 0x8A, 0x0D, 0x0A});
    ASSERT_TRUE(eventually([&] { return port.bytesAvailable() == 5; }));
    ASSERT_EQ(port.receive(buffer, 3), 3u);
    EXPECT_EQ(Bytes(buffer, buffer + 3), (Bytes{0x50, 0xF2, 0x8A}));
    EXPECT_EQ(port.bytesAvailable(), 2u);
    ASSERT_EQ(port.receive(buffer, 16), 2u);
    EXPECT_EQ(Bytes(buffer, buffer + 2), (Bytes{0x0D, 0x0A}));

    writeAll(pty.master(), {1, 2, 3, 4});
    ASSERT_TRUE(eventually([&] { return port.bytesAvailable() == 4; }));
    port.purgeReceive();
    EXPECT_EQ(port.bytesAvailable(), 0u);
    writeAll(pty.master(), {0x77});
    ASSERT_TRUE(eventually([&] { return port.bytesAvailable() == 1; }));
    ASSERT_EQ(port.receive(buffer, 16), 1u);
    EXPECT_EQ(buffer[0], 0x77);
}

TEST_F(PosixPortTest, WaitingTimesOutOnASilentLineInRealTime) {
    PosixCommunicationPort port(fs::path(pty.slavePath()), 9600, 0, 8, 0, 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(port.waitForBytes(1, 20), TimeoutOnReceive);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, 20ms);
    EXPECT_LT(elapsed, 300ms);
}

TEST_F(PosixPortTest, WaitingBoundsTheIdleTimeNotTheTotal) {
    PosixCommunicationPort port(fs::path(pty.slavePath()), 9600, 0, 8, 0, 0);
    std::thread radio([&] {
        for (std::uint8_t b = 1; b <= 6; ++b) {
            std::this_thread::sleep_for(15ms);
            (void)::write(pty.master(), &b, 1);
        }
    });
    // Six bytes 15 ms apart take about 90 ms, well past the 50-tick idle limit.
    EXPECT_NO_THROW(port.waitForBytes(6, 50));
    radio.join();
    std::uint8_t buffer[6] = {};
    ASSERT_EQ(port.receive(buffer, 6), 6u);
    EXPECT_EQ(Bytes(buffer, buffer + 6), (Bytes{1, 2, 3, 4, 5, 6}));
}

TEST_F(PosixPortTest, EchoCheckComparesWhatComesBack) {
    PosixCommunicationPort port = open(1);
    const Bytes sent{0xF1, 0x10, 0xFE};
    writeAll(pty.master(), sent);
    ASSERT_TRUE(eventually([&] { return port.bytesAvailable() == 3; }));
    EXPECT_NO_THROW(port.transmitVerified(sent.data(), 3));

    writeAll(pty.master(), {0xF1, 0x11, 0xFE});
    ASSERT_TRUE(eventually([&] { return port.bytesAvailable() == 3; }));
    try {
        port.transmitVerified(sent.data(), 3);
        ADD_FAILURE() << "a changed echo must be a collision";
    } catch (const DataCollision& e) {
        EXPECT_EQ(e.code(), 6013);
    }
}

TEST_F(PosixPortTest, HeldPortRefusesASecondOpenerAndIsFreedOnClose) {
    {
        PosixCommunicationPort first = open();
        const std::size_t before = openDescriptors();
        try {
            PosixCommunicationPort second = open();
            ADD_FAILURE() << "the port was opened twice";
        } catch (const PortInUseError& e) {
            EXPECT_EQ(e.code(), 6005);
        }
        EXPECT_EQ(openDescriptors(), before) << "a refused open must leave nothing open";

        const Bytes probe{0x5A};
        first.transmit(probe.data(), 1);
        EXPECT_EQ(readAtRadio(pty.master(), 1), probe) << "the holder keeps a working port";
    }
    PosixCommunicationPort again = open();
    const Bytes probe{0xA5};
    again.transmit(probe.data(), 1);
    EXPECT_EQ(readAtRadio(pty.master(), 1), probe);
}

TEST_F(PosixPortTest, PortLockedByAnotherProgramIsInUse) {
    const int other = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_THROW(open(), PortInUseError);
    ::close(other);
    EXPECT_NO_THROW(open());
}

// Whatever cannot serve as a port fails to open as a port that is in use does, naming its cause.
TEST(PosixPortOpening, DevicesThatCannotServeAsAPort) {
    using Cause = PortOpenFailure::Cause;
    VirtualClock clock;
    const std::size_t before = openDescriptors();
    // A file that is no terminal opens as a file, but can carry no line.
    const fs::path plain = fs::temp_directory_path() / ("vantrel-not-a-tty-" + std::to_string(::getpid()));
    std::ofstream(plain).put('x');
    const struct {
        fs::path device;
        Cause cause;
    } cases[] = {
        {"/nonexistent/ttyX", Cause::NoDevice},
        {"", Cause::NoPort},
        {plain, Cause::NotASerialPort},
        {"/dev/null", Cause::NotASerialPort},
        {fs::temp_directory_path(), Cause::IsADirectory},
    };
    for (const auto& c : cases) {
        try {
            PosixCommunicationPort port(c.device, 9600, 0, 8, 0, 0, clock);
            ADD_FAILURE() << c.device << " was taken for a serial port";
        } catch (const PortOpenFailure& e) {
            EXPECT_EQ(e.code(), PortInUseError::kCode);
            EXPECT_EQ(e.cause(), c.cause) << c.device;
            EXPECT_EQ(e.device(), c.device.string());
        }
    }
    EXPECT_THROW(PosixCommunicationPort(0, 9600, 0, 8, 0, 0, clock), PortInUseError);
    fs::remove(plain);
    EXPECT_EQ(openDescriptors(), before);
}

// The cause an errno stands for, and how it is said.
TEST(PosixPortOpening, CausesAreNamedWithTheirDevice) {
    using Cause = PortOpenFailure::Cause;
    const struct {
        int error;
        Cause cause;
        std::string says;
    } cases[] = {
        {EACCES, Cause::PermissionDenied, "/dev/ttyUSB0: permission denied \u2014 add yourself to the dialout group"},
        {EPERM, Cause::PermissionDenied, "/dev/ttyUSB0: permission denied \u2014 add yourself to the dialout group"},
        {ENOENT, Cause::NoDevice, "/dev/ttyUSB0: no such device"},
        {ENXIO, Cause::NoDevice, "/dev/ttyUSB0: no such device"},
        {EBUSY, Cause::InUse, "/dev/ttyUSB0: in use by another program"},
        {ENOTTY, Cause::NotASerialPort, "/dev/ttyUSB0: not a serial port"},
        {EISDIR, Cause::IsADirectory, "/dev/ttyUSB0: a directory, not a serial port"},
        {EMFILE, Cause::Other, "/dev/ttyUSB0: " + std::string(std::strerror(EMFILE))},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PortOpenFailure::causeOf(c.error), c.cause) << c.error;
        const PortOpenFailure failure(PortOpenFailure::causeOf(c.error), "/dev/ttyUSB0", c.error);
        EXPECT_EQ(failure.explanation(), c.says);
        EXPECT_EQ(portOpenExplanation(failure), c.says);
    }
    EXPECT_EQ(portOpenExplanation(PortInUseError()), "the port is in use by another program");
    EXPECT_EQ(portOpenExplanation(TimeoutOnReceive()), "");
}

TEST(PosixPortNames, ComNumberFollowsItsLinkInTheProgramFolder) {
    PosixPseudoTerminal pty;
    VirtualClock clock;
    testing::ScopedProgramDirectory folder;
    fs::create_symlink(pty.slavePath(), folder.path() / "com1");

    EXPECT_EQ(PosixCommunicationPort::deviceFor(1), folder.path() / "com1");
    EXPECT_EQ(PosixCommunicationPort::deviceFor(3), fs::path("/dev/ttyS2"));
    EXPECT_TRUE(PosixCommunicationPort::deviceFor(0).empty());

    PosixCommunicationPort port(1, 9600, 0, 8, 0, 0, clock);
    EXPECT_EQ(port.portNumber(), 1u);
    const Bytes probe{0x42};
    port.transmit(probe.data(), 1);
    EXPECT_EQ(readAtRadio(pty.master(), 1), probe);

    // The same device under its own name is the same port, and it is taken.
    EXPECT_THROW(PosixCommunicationPort(fs::path(pty.slavePath()), 9600, 0, 8, 0, 0, clock), PortInUseError);
}

TEST(PosixPortNames, ProgramFolderDefaultsToTheExecutablesFolder) {
    setProgramDirectory({});
    EXPECT_TRUE(fs::equivalent(programDirectory(), VANTREL_BIN_DIR));
    setProgramDirectory("/somewhere/else");
    EXPECT_EQ(programDirectory(), fs::path("/somewhere/else"));
    setProgramDirectory({});
    EXPECT_TRUE(fs::equivalent(programDirectory(), VANTREL_BIN_DIR));
}

}  // namespace
}  // namespace vantrel
