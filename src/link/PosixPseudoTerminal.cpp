#include "link/PosixPseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace vantrel {

namespace {

void makeRaw(int fd) {
    termios line{};
    if (::tcgetattr(fd, &line) != 0) return;  // some hosts keep no settings on the master
    ::cfmakeraw(&line);
    ::tcsetattr(fd, TCSANOW, &line);
}

}  // namespace

PosixPseudoTerminal::PosixPseudoTerminal() {
    const auto fail = [this](const char* what) {
        const int error = errno;
        close();
        throw std::system_error(error, std::generic_category(), what);
    };
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) fail("posix_openpt");
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    const char* name = nullptr;
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 || (name = ::ptsname(master_)) == nullptr) {
        fail("pseudo-terminal set-up");
    }
    slavePath_ = name;
    heldSlave_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (heldSlave_ < 0) fail("open pseudo-terminal slave");
    makeRaw(master_);
    makeRaw(heldSlave_);
}

PosixPseudoTerminal::~PosixPseudoTerminal() { close(); }

void PosixPseudoTerminal::close() {
    if (heldSlave_ >= 0) ::close(heldSlave_);
    if (master_ >= 0) ::close(master_);
    heldSlave_ = master_ = -1;
}

}  // namespace vantrel
