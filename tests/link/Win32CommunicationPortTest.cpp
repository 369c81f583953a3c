#include "link/CommunicationError.h"
#include "link/PortConfigurationFile.h"
#include "link/PortOpener.h"
#include "link/ProgramDirectory.h"
#include "link/Win32CommunicationPort.h"
#include "model/radioIdentity.h"
#include "protocol/Framing.h"
#include "protocol/ZIRKRadioInfoRequest.h"
#include "protocol/cominit.h"
#include "support/ScopedProgramDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

// The tests on a line need COM n wired to the simulated radio; scripts/test-windows.sh does that
// under Wine (a dosdevices link to the radio's pseudo-terminal) and names the port and the radio's
// serial number in VANTREL_TEST_COM_PORT and VANTREL_TEST_COM_SERIAL. Without them those tests
// are skipped, saying so.

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kPatienceTicks = 2000;  // idle limit of the waits on the real line
constexpr std::uint8_t kAcknowledge = 0x50;
constexpr std::uint8_t kSerialNumberItem = 0x01;  // of the radio information request

std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

std::optional<std::uint32_t> linePort() {
    const auto value = environment("VANTREL_TEST_COM_PORT");
    if (!value) return std::nullopt;
    return static_cast<std::uint32_t>(std::stoul(*value));
}

// The other process of the in-use test is this test program, started with VANTREL_HOLD_COM_PORT
// and the names of two events: it opens the port, says so through the first event, keeps the port
// until the second is set and leaves before any test runs. Exit code 0 means it held the port.
const bool holdingForAnotherProcess = [] {
    const auto port = environment("VANTREL_HOLD_COM_PORT");
    const auto held = environment("VANTREL_HOLD_SIGNAL");
    const auto release = environment("VANTREL_HOLD_RELEASE");
    if (!port || !held || !release) return false;
    int status = 1;
    try {
        Win32CommunicationPort holder(static_cast<std::uint32_t>(std::stoul(*port)), 9600, 0, 8, 0, 0);
        HANDLE heldEvent = OpenEventA(EVENT_MODIFY_STATE, FALSE, held->c_str());
        HANDLE releaseEvent = OpenEventA(SYNCHRONIZE, FALSE, release->c_str());
        if (heldEvent != nullptr && releaseEvent != nullptr && SetEvent(heldEvent) &&
            WaitForSingleObject(releaseEvent, 30000) == WAIT_OBJECT_0) {
            status = 0;
        }
        if (heldEvent != nullptr) CloseHandle(heldEvent);
        if (releaseEvent != nullptr) CloseHandle(releaseEvent);
    } catch (const CommunicationError&) {
        status = 2;
    }
    ExitProcess(static_cast<UINT>(status));
}();

TEST(Win32Port, PortsWithoutADeviceAreInUse) {
    // Port 0 names no device, and nothing answers to COM250 here.
    for (std::uint32_t port : {0u, 250u}) {
        try {
            Win32CommunicationPort open(port, 9600, 0, 8, 0, 0);
            ADD_FAILURE() << "COM" << port << " opened";
        } catch (const PortInUseError& e) {
            EXPECT_EQ(e.code(), 6005);
        }
    }
    EXPECT_THROW(openSystemPort(-3), PortInUseError);
    // The device-name form reaches past COM9, where the plain "COM10" would name a file.
    EXPECT_EQ(Win32CommunicationPort::deviceNameFor(5), "\\\\.\\COM5");
    EXPECT_EQ(Win32CommunicationPort::deviceNameFor(12), "\\\\.\\COM12");
}

TEST(Win32ProgramFolder, IsTheFolderOfTheRunningExecutable) {
    // Not the working directory: com.ini and the pictures lie beside the program wherever it was
    // started from.
    setProgramDirectory({});
    EXPECT_TRUE(std::filesystem::equivalent(programDirectory(), VANTREL_BIN_DIR)) << programDirectory();
}

class Win32PortOnLine : public ::testing::Test {
protected:
    void SetUp() override {
        const auto port = linePort();
        const auto serial = environment("VANTREL_TEST_COM_SERIAL");
        if (!port || !serial) GTEST_SKIP() << "no COM port wired to the simulated radio (scripts/test-windows.sh)";
        port_ = *port;
        serial_ = *serial;
    }

    Win32CommunicationPort open(std::int32_t echoCheck = 0) {
        return Win32CommunicationPort(port_, 9600, 0, 8, 0, echoCheck);
    }

    // Everything the radio sends until it has been quiet for a fifth of a second. Only what is
    // waiting is asked for: a read asking for more waits a millisecond for every missing byte.
    static Bytes drain(Win32CommunicationPort& port) {
        Bytes got;
        for (int quiet = 0; quiet < 20; ++quiet) {
            const std::uint32_t waiting = port.bytesAvailable();
            if (waiting > 0) {
                quiet = 0;
                Bytes buffer(waiting);
                buffer.resize(port.receive(buffer.data(), waiting));
                got.insert(got.end(), buffer.begin(), buffer.end());
            }
            Sleep(10);
        }
        return got;
    }

    std::uint32_t port_ = 0;
    std::string serial_;
};

TEST_F(Win32PortOnLine, OpensWithTheRadioLineFormatAndReadTimeouts) {
    auto port = open();
    HANDLE handle = port.nativeHandle();

    DCB line{};
    line.DCBlength = sizeof line;
    ASSERT_TRUE(GetCommState(handle, &line));
    EXPECT_EQ(line.BaudRate, 9600u);
    EXPECT_EQ(line.ByteSize, 8);
    EXPECT_EQ(line.Parity, NOPARITY);
    EXPECT_EQ(line.StopBits, ONESTOPBIT);
    EXPECT_FALSE(line.fOutxCtsFlow);
    EXPECT_FALSE(line.fOutX);
    EXPECT_FALSE(line.fInX);
    EXPECT_EQ(line.EofChar, 0x0A);

    COMMTIMEOUTS timeouts{};
    ASSERT_TRUE(GetCommTimeouts(handle, &timeouts));
    EXPECT_EQ(timeouts.ReadIntervalTimeout, 1u);
    EXPECT_EQ(timeouts.ReadTotalTimeoutMultiplier, 1u);
    EXPECT_EQ(timeouts.ReadTotalTimeoutConstant, 0u);
    EXPECT_EQ(timeouts.WriteTotalTimeoutMultiplier, 0u);
    EXPECT_EQ(timeouts.WriteTotalTimeoutConstant, 0u);

    // A setter applies the format again over whatever the device held.
    line.BaudRate = 19200;
    line.fOutX = TRUE;
    ASSERT_TRUE(SetCommState(handle, &line));
    port.setParity(parity::kEven);
    ASSERT_TRUE(GetCommState(handle, &line));
    EXPECT_EQ(line.BaudRate, 9600u);
    EXPECT_EQ(line.Parity, NOPARITY);
    EXPECT_FALSE(line.fOutX);
}

TEST_F(Win32PortOnLine, ARequestReachesTheRadioAndItsAnswerComesBack) {
    auto port = open(1);
    const Bytes request = buildFrame(ZIRKRadioInfoRequest::kOpcode, Bytes{kSerialNumberItem});

    // With echo checking on, the radio's echo of every byte is read back and compared.
    port.transmitVerified(request.data(), static_cast<std::uint32_t>(request.size()));
    EXPECT_EQ(port.readByte(kPatienceTicks), kAcknowledge);
    port.waitForBytes(4, kPatienceTicks);
    const Bytes answer = drain(port);
    const std::string text(answer.begin(), answer.end());
    EXPECT_NE(text.find(serial_), std::string::npos) << "the answer carries no serial number " << serial_;
    EXPECT_EQ(port.bytesAvailable(), 0u);

    // A purge discards an answer that has arrived but was not read.
    port.transmit(request.data(), static_cast<std::uint32_t>(request.size()));
    // Echo, acknowledgement and answer: everything is in before the purge, so nothing comes late.
    port.waitForBytes(static_cast<std::uint32_t>(request.size() + 1 + answer.size()), kPatienceTicks);
    port.purgeReceive();
    EXPECT_EQ(port.bytesAvailable(), 0u);
    std::uint8_t nothing[8];
    EXPECT_EQ(port.receive(nothing, sizeof nothing), 0u);
}

TEST_F(Win32PortOnLine, AConnectionReadsTheRadioSerialNumber) {
    testing::ScopedProgramDirectory folder;
    writePortNumber(static_cast<std::int32_t>(port_));
    cominit conn;
    EnhancedZIRK::Response reply{};
    conn.readSerialNumber(reply);
    EXPECT_EQ(decodeSerialNumber(reply), serial_);
}

TEST_F(Win32PortOnLine, AnOpenPortIsInUseUntilClosed) {
    {
        auto first = open();
        EXPECT_THROW(open(), PortInUseError);
    }
    EXPECT_NO_THROW(open());
}

// Sets an environment variable for the life of a scope (a child process inherits it).
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        SetEnvironmentVariableA(name, value.c_str());
    }
    ~ScopedVariable() { SetEnvironmentVariableA(name_, nullptr); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
};

TEST_F(Win32PortOnLine, APortHeldByAnotherProcessIsInUse) {
    const std::string tag = std::to_string(GetCurrentProcessId());
    const std::string heldName = "vantrel-port-held-" + tag;
    const std::string releaseName = "vantrel-port-release-" + tag;
    HANDLE held = CreateEventA(nullptr, TRUE, FALSE, heldName.c_str());
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, releaseName.c_str());
    ASSERT_NE(held, nullptr);
    ASSERT_NE(release, nullptr);

    char self[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, self, MAX_PATH), 0u);
    std::string commandLine = std::string("\"") + self + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    {
        ScopedVariable port("VANTREL_HOLD_COM_PORT", std::to_string(port_));
        ScopedVariable heldVariable("VANTREL_HOLD_SIGNAL", heldName);
        ScopedVariable releaseVariable("VANTREL_HOLD_RELEASE", releaseName);
        ASSERT_TRUE(
            CreateProcessA(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));
    }

    HANDLE waitFor[] = {held, child.hProcess};
    const DWORD woke = WaitForMultipleObjects(2, waitFor, FALSE, 30000);
    EXPECT_EQ(woke, WAIT_OBJECT_0) << "the other process never held the port";
    if (woke == WAIT_OBJECT_0) {
        try {
            open();
            ADD_FAILURE() << "a port held by another process opened";
        } catch (const PortInUseError& e) {
            EXPECT_EQ(e.code(), 6005);
        }
    }

    SetEvent(release);
    EXPECT_EQ(WaitForSingleObject(child.hProcess, 30000), WAIT_OBJECT_0);
    DWORD status = 1;
    GetExitCodeProcess(child.hProcess, &status);
    EXPECT_EQ(status, 0u);
    EXPECT_NO_THROW(open()) << "the port stayed in use after the other process let it go";

    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    CloseHandle(held);
    CloseHandle(release);
}

}  // namespace
}  // namespace vantrel
