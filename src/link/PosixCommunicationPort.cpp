#include "link/PosixCommunicationPort.h"

#include "link/CommunicationError.h"
#include "link/FileLocations.h"
#include "link/PortOpenFailure.h"

#include <cerrno>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace vantrel {

namespace {

// How the host's failures become line failures.
//
// A termios driver does not fail a call on a damaged character: framing errors, parity errors
// and breaks arrive in the byte stream, marked only when PARMRK is set. The radio's line never
// aborted its reads on line errors, so we keep them in-band and unmarked (no PARMRK, no INPCK):
// a damaged character is an ordinary byte, and the frame checksum is what catches it. Marking
// them would also make the count of waiting bytes disagree with the bytes the radio sent.
//
// What is left are failed calls, mapped by what they mean for the line:
//   ENOBUFS, ENOSPC                        the driver's transmit queue is full  -> OutputBufferFull
//   EINVAL from tcsetattr or cfset*speed,  the driver refuses the speed        -> BaudRateSettingError
//     or a speed that did not stick
//   a character size that did not stick                                         -> CharacterSizeSettingError
//   anything else (EIO after a hang-up or an unplugged adapter, ENXIO, ENOTTY
//     for a path that is no terminal, EBADF, ...)                               -> GeneralCommunicationError
// EAGAIN on a write is no failure: the byte is offered again. EAGAIN on a read means no byte yet.
constexpr std::int32_t kUnusableDevice = 0x8000;  // matches no line-error rule: a general failure

std::int32_t lineErrorWordFor(int error) {
    switch (error) {
        case ENOBUFS:
        case ENOSPC:
            return lineerror::kTxFull;
        default:
            return kUnusableDevice;
    }
}

[[noreturn]] void raiseWord(std::int32_t word) {
    raiseLineError(word);
    throw GeneralCommunicationError();  // every word given here is non-zero; this is not reached
}

[[noreturn]] void raiseHostFailure(int error) { raiseWord(lineErrorWordFor(error)); }

[[noreturn]] void raiseSettingFailure(int error) {
    raiseWord(error == EINVAL ? lineerror::kBadBaudRate : lineErrorWordFor(error));
}

bool wouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK; }

// 9600 8N1, raw, no flow control of any kind, and reads that return at once with what is there.
void makeRadioLine(termios& line) {
    ::cfmakeraw(&line);
    line.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | IGNPAR | PARMRK | INPCK | IXON | IXOFF | IXANY);
    line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
#ifdef CRTSCTS
    line.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
#endif
    line.c_cflag |= CS8 | CLOCAL | CREAD;
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
}

}  // namespace

PosixCommunicationPort::Descriptor::~Descriptor() { reset(-1); }

void PosixCommunicationPort::Descriptor::reset(int fd) {
    if (fd_ >= 0) {
        // Give up our claim before closing: a terminal that others keep open (the far side of a
        // pseudo-terminal, say) would otherwise stay closed to everyone but root. A descriptor
        // that never claimed it must leave the holder's claim alone.
        if (exclusive_) ::ioctl(fd_, TIOCNXCL);
        ::close(fd_);
    }
    fd_ = fd;
    exclusive_ = false;
}

void PosixCommunicationPort::Descriptor::claimExclusively() { exclusive_ = ::ioctl(fd_, TIOCEXCL) == 0; }

std::filesystem::path PosixCommunicationPort::deviceFor(std::uint32_t portNumber) {
    if (portNumber == 0) return {};
    std::filesystem::path link = fileLocations().configuration / ("com" + std::to_string(portNumber));
    std::error_code error;
    const auto type = std::filesystem::symlink_status(link, error).type();
    if (type != std::filesystem::file_type::not_found && type != std::filesystem::file_type::none) return link;
    return "/dev/ttyS" + std::to_string(portNumber - 1);
}

PosixCommunicationPort::PosixCommunicationPort(std::uint32_t portNumber, std::uint32_t baudRate, int parity,
                                               int dataBits, int stopBits, std::int32_t echoCheckSetting, Clock& clock)
    : PosixCommunicationPort(portNumber, deviceFor(portNumber), baudRate, parity, dataBits, stopBits, echoCheckSetting,
                             clock) {}

PosixCommunicationPort::PosixCommunicationPort(const std::filesystem::path& device, std::uint32_t baudRate, int parity,
                                               int dataBits, int stopBits, std::int32_t echoCheckSetting, Clock& clock)
    : PosixCommunicationPort(0, device, baudRate, parity, dataBits, stopBits, echoCheckSetting, clock) {}

PosixCommunicationPort::PosixCommunicationPort(std::uint32_t portNumber, std::filesystem::path device,
                                               std::uint32_t baudRate, int parity, int dataBits, int stopBits,
                                               std::int32_t echoCheckSetting, Clock& clock)
    : SerialPortBase(portNumber, echoCheckSetting, clock), device_(std::move(device)) {
    openExclusively();
    configure(baudRate, parity, dataBits, stopBits);
}

PosixCommunicationPort::~PosixCommunicationPort() = default;

// The device as a technician needs to see it: a comN link together with what it points to,
// which is where a stale /dev/ttyUSB number shows.
std::string PosixCommunicationPort::describedDevice() const {
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(device_, error);
    return error ? device_.string() : device_.string() + " -> " + target.string();
}

void PosixCommunicationPort::openExclusively() {
    using Cause = PortOpenFailure::Cause;
    if (device_.empty()) throw PortOpenFailure(Cause::NoPort, {});
    int fd = -1;
    do {
        fd = ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int error = errno;
        throw PortOpenFailure(PortOpenFailure::causeOf(error), describedDevice(), error);
    }
    fd_.reset(fd);
    // A file or /dev/null opens as well as a port does; only a terminal can carry the line.
    if (::isatty(fd) == 0) throw PortOpenFailure(Cause::NotASerialPort, describedDevice(), ENOTTY);
    // TIOCEXCL turns away later openers, but not root; the lock turns away every opener that
    // locks too, root included. A holder found by either means the port is in use. A device
    // without lock support is not thereby held.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && wouldBlock(errno)) {
        throw PortOpenFailure(Cause::InUse, describedDevice(), EWOULDBLOCK);
    }
    fd_.claimExclusively();
}

void PosixCommunicationPort::holdControlLinesOff() {
    int lines = TIOCM_DTR | TIOCM_RTS;
    // A pseudo-terminal has no modem lines and says so; that is no failure of the line.
    if (::ioctl(fd_.get(), TIOCMBIC, &lines) != 0 && errno != ENOTTY && errno != EINVAL) raiseHostFailure(errno);
}

void PosixCommunicationPort::applyLineFormat() {
    termios line{};
    if (::tcgetattr(fd_.get(), &line) != 0) raiseHostFailure(errno);
    makeRadioLine(line);
    if (::cfsetispeed(&line, B9600) != 0 || ::cfsetospeed(&line, B9600) != 0) raiseSettingFailure(errno);
    if (::tcsetattr(fd_.get(), TCSANOW, &line) != 0) raiseSettingFailure(errno);

    // tcsetattr succeeds when any part of the settings took; check the parts the radio needs.
    termios applied{};
    if (::tcgetattr(fd_.get(), &applied) != 0) raiseHostFailure(errno);
    if ((applied.c_cflag & CSIZE) != CS8) raiseWord(lineerror::kBadByteSize);
    if (::cfgetospeed(&applied) != B9600) raiseWord(lineerror::kBadBaudRate);
    holdControlLinesOff();
}

bool PosixCommunicationPort::sendByte(std::uint8_t byte) {
    const ssize_t written = ::write(fd_.get(), &byte, 1);
    if (written == 1) return true;
    if (written < 0 && !wouldBlock(errno) && errno != EINTR) raiseHostFailure(errno);
    return false;
}

std::uint32_t PosixCommunicationPort::receive(std::uint8_t* buffer, std::uint32_t count) {
    if (count == 0) return 0;
    for (;;) {
        const ssize_t got = ::read(fd_.get(), buffer, count);
        if (got >= 0) return static_cast<std::uint32_t>(got);
        if (errno == EINTR) continue;
        if (wouldBlock(errno)) return 0;
        raiseHostFailure(errno);
    }
}

void PosixCommunicationPort::purgeReceive() {
    if (::tcflush(fd_.get(), TCIFLUSH) != 0) raiseHostFailure(errno);
}

std::uint32_t PosixCommunicationPort::bytesAvailable() {
    int waiting = 0;
    if (::ioctl(fd_.get(), FIONREAD, &waiting) != 0) raiseHostFailure(errno);
    return waiting > 0 ? static_cast<std::uint32_t>(waiting) : 0;
}

}  // namespace vantrel
