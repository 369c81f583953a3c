#include "link/Win32CommunicationPort.h"

#include "link/CommunicationError.h"

#include <windows.h>

namespace vantrel {

namespace {

// A kernel handle, closed when it goes.
class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
    ~OwnedHandle() {
        if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// Opening with no sharing is what makes a port ours alone on Windows: the serial driver refuses a
// second opener, in this program or any other, and that refusal is how a port in use shows itself.
// Wine applies no sharing rules to devices (a second opener of a COM port succeeds there), so a
// named claim per port number keeps two of our own connections off one line there as well. The
// claim goes with the last handle to it, even when a process dies holding it.
HANDLE claimPort(std::uint32_t portNumber) {
    const std::string name = "Local\\vantrel-serial-COM" + std::to_string(portNumber);
    HANDLE claim = CreateMutexA(nullptr, FALSE, name.c_str());
    if (claim == nullptr) throw PortInUseError();
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(claim);
        throw PortInUseError();
    }
    return claim;
}

HANDLE openExclusively(const std::string& deviceName) {
    HANDLE handle =
        CreateFileA(deviceName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw PortInUseError();
    return handle;
}

// The driver's pending line-error word and the count of waiting bytes, in one query that also
// clears the error state. A device that cannot even answer this is unusable.
COMSTAT queryLine(HANDLE handle, DWORD& errors) {
    COMSTAT status{};
    errors = 0;
    if (!ClearCommError(handle, &errors, &status)) throw GeneralCommunicationError();
    return status;
}

}  // namespace

struct Win32CommunicationPort::Device {
    explicit Device(std::uint32_t portNumber)
        : claim(claimPort(portNumber)), device(openExclusively(deviceNameFor(portNumber))) {
        settings.DCBlength = sizeof(DCB);
    }
    HANDLE handle() const { return device.get(); }

    OwnedHandle claim;
    OwnedHandle device;
    DCB settings{};
};

std::string Win32CommunicationPort::deviceNameFor(std::uint32_t portNumber) {
    return "\\\\.\\COM" + std::to_string(portNumber);
}

Win32CommunicationPort::Win32CommunicationPort(std::uint32_t portNumber, std::uint32_t baudRate, int parity,
                                               int dataBits, int stopBits, std::int32_t echoCheckSetting, Clock& clock)
    : SerialPortBase(portNumber, echoCheckSetting, clock), device_(std::make_unique<Device>(portNumber)) {
    setReadTimeouts();
    fetchLineSettings();
    configure(baudRate, parity, dataBits, stopBits);
}

Win32CommunicationPort::~Win32CommunicationPort() = default;

void* Win32CommunicationPort::nativeHandle() const { return device_->handle(); }

void Win32CommunicationPort::raisePendingLineError() {
    DWORD errors = 0;
    queryLine(device_->handle(), errors);
    raiseLineError(static_cast<std::int32_t>(errors));
}

void Win32CommunicationPort::setReadTimeouts() {
    // A read gives up 1 ms after the last byte, or 1 ms per byte asked for: it returns what has
    // arrived instead of blocking. Writes have no time-out: bytes go out one at a time anyway.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = 1;
    timeouts.ReadTotalTimeoutMultiplier = 1;
    timeouts.ReadTotalTimeoutConstant = 0;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = 0;
    if (!SetCommTimeouts(device_->handle(), &timeouts)) raisePendingLineError();
}

void Win32CommunicationPort::fetchLineSettings() {
    if (!GetCommState(device_->handle(), &device_->settings)) raisePendingLineError();
}

void Win32CommunicationPort::applyLineFormat() {
    DCB& line = device_->settings;
    line.DCBlength = sizeof(DCB);
    line.BaudRate = CBR_9600;
    line.ByteSize = 8;
    line.Parity = NOPARITY;
    line.StopBits = ONESTOPBIT;
    // The radio line knows no flow control and no character processing of any kind, and DTR and
    // RTS are held off. fBinary is cleared with the other flags; Windows runs every port in binary
    // mode whatever the record says.
    line.fBinary = FALSE;
    line.fParity = FALSE;
    line.fOutxCtsFlow = FALSE;
    line.fOutxDsrFlow = FALSE;
    line.fDtrControl = DTR_CONTROL_DISABLE;
    line.fDsrSensitivity = FALSE;
    line.fTXContinueOnXoff = FALSE;
    line.fOutX = FALSE;
    line.fInX = FALSE;
    line.fErrorChar = FALSE;
    line.fNull = FALSE;
    line.fRtsControl = RTS_CONTROL_DISABLE;
    line.fAbortOnError = FALSE;
    line.XonLim = 0;
    line.XoffLim = 0;
    line.XonChar = 0;
    line.XoffChar = 0;
    line.ErrorChar = 0;
    line.EofChar = 0x0A;
    line.EvtChar = 0;
    if (!SetCommState(device_->handle(), &line)) raisePendingLineError();
}

bool Win32CommunicationPort::sendByte(std::uint8_t byte) {
    // TransmitCommChar refuses a byte while the one before it is still waiting to go out; the
    // byte is offered again at once rather than after a sleep, since a sleep of 1 ms lasts a
    // whole scheduler tick (up to 16 ms) on Windows and would stretch every frame on the wire.
    // A device that stops answering altogether (an adapter pulled out) is a failure, not a
    // reason to offer the byte forever.
    while (!TransmitCommChar(device_->handle(), static_cast<char>(byte))) {
        DWORD errors = 0;
        queryLine(device_->handle(), errors);
        SwitchToThread();
    }
    return true;
}

std::uint32_t Win32CommunicationPort::receive(std::uint8_t* buffer, std::uint32_t count) {
    if (count == 0) return 0;
    DWORD got = 0;
    if (!ReadFile(device_->handle(), buffer, count, &got, nullptr)) raisePendingLineError();
    return got;
}

void Win32CommunicationPort::purgeReceive() {
    if (!PurgeComm(device_->handle(), PURGE_RXCLEAR)) raisePendingLineError();
}

std::uint32_t Win32CommunicationPort::bytesAvailable() {
    DWORD errors = 0;
    return queryLine(device_->handle(), errors).cbInQue;
}

}  // namespace vantrel
