#include "sim/PtyRadioLink.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace vantrel::sim {

namespace {

[[noreturn]] void fail(const char* what) { throw std::system_error(errno, std::generic_category(), what); }

int checked(int result, const char* what) {
    if (result < 0) fail(what);
    return result;
}

int openMaster() {
    const int fd = checked(::posix_openpt(O_RDWR | O_NOCTTY), "posix_openpt");
    if (::grantpt(fd) < 0 || ::unlockpt(fd) < 0 || ::fcntl(fd, F_SETFL, O_NONBLOCK) < 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        fail("preparing the pseudo-terminal");
    }
    return fd;
}

std::string slaveNameOf(int master) {
    char name[256];
    if (::ptsname_r(master, name, sizeof name) != 0) fail("ptsname_r");
    return name;
}

// Bytes pass untouched in both directions: no line editing, no translation, no terminal echo.
void makeRaw(int fd) {
    termios settings{};
    checked(::tcgetattr(fd, &settings), "tcgetattr");
    ::cfmakeraw(&settings);
    checked(::tcsetattr(fd, TCSANOW, &settings), "tcsetattr");
}

constexpr int kWriteWaitMs = 100;

}  // namespace

void PtyRadioLink::Descriptor::reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
}

PtyRadioLink::PtyRadioLink(SimRadio& radio, Clock& clock) : radio_(radio), clock_(clock) {
    master_.reset(openMaster());
    slavePath_ = slaveNameOf(master_.get());
    slave_.reset(checked(::open(slavePath_.c_str(), O_RDWR | O_NOCTTY), "opening the slave"));
    makeRaw(slave_.get());
    int wake[2];
    checked(::pipe(wake), "pipe");
    wakeRead_.reset(wake[0]);
    wakeWrite_.reset(wake[1]);
    ::fcntl(wake[0], F_SETFL, O_NONBLOCK);
    ::fcntl(wake[1], F_SETFL, O_NONBLOCK);
}

PtyRadioLink::~PtyRadioLink() { stop(); }

void PtyRadioLink::requestStop() {
    const char stop = 1;
    [[maybe_unused]] const auto written = ::write(wakeWrite_.get(), &stop, 1);
}

void PtyRadioLink::start() {
    if (thread_.joinable()) return;
    thread_ = std::thread([this] {
        try {
            run();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "simulated radio stopped: %s\n", e.what());
        }
    });
}

void PtyRadioLink::stop() {
    if (!thread_.joinable()) return;
    requestStop();
    thread_.join();
}

void PtyRadioLink::run() {
    for (;;) {
        const std::uint32_t now = clock_.milliseconds();
        sendDue(now);
        if (assembler_.dropStale(now)) releaseHeldEcho(true);
        pollfd fds[2] = {{master_.get(), POLLIN, 0}, {wakeRead_.get(), POLLIN, 0}};
        if (::poll(fds, 2, pollTimeout(now)) < 0) {
            if (errno == EINTR) continue;
            fail("poll");
        }
        if (fds[1].revents != 0) break;
        if ((fds[0].revents & (POLLIN | POLLHUP | POLLERR)) != 0 && !readFromHost()) {
            clock_.sleep(10);  // nothing readable after all (a hang-up): do not spin
        }
    }
    char drained[16];
    while (::read(wakeRead_.get(), drained, sizeof drained) > 0) {}
}

bool PtyRadioLink::readFromHost() {
    std::uint8_t bytes[256];
    const ssize_t got = ::read(master_.get(), bytes, sizeof bytes);
    if (got <= 0) return false;
    for (ssize_t i = 0; i < got; ++i) hear(bytes[i], clock_.milliseconds());
    return true;
}

void PtyRadioLink::hear(std::uint8_t byte, std::uint32_t now) {
    if (assembler_.dropStale(now)) releaseHeldEcho(true);
    if (!assembler_.midFrame()) holdingEcho_ = radio_.mayLoseEcho();
    if (holdingEcho_) {
        heldEcho_.push_back(byte);
    } else {
        put({byte});
    }
    const auto frame = assembler_.add(byte, now);
    if (!frame) return;
    const Answer answer = radio_.answer(*frame, now);
    releaseHeldEcho(answer.echo);
    schedule(answer, now);
}

void PtyRadioLink::releaseHeldEcho(bool send) {
    if (send && !heldEcho_.empty()) put(heldEcho_);
    heldEcho_.clear();
    holdingEcho_ = false;
}

void PtyRadioLink::schedule(const Answer& answer, std::uint32_t now) {
    std::uint32_t last = now;
    for (const Transmission& t : answer.transmissions) {
        const std::uint32_t first = last + t.delayMs;
        if (t.gapMs <= 1) {
            enqueue(first, t.bytes);  // one burst
        } else {
            for (std::size_t i = 0; i < t.bytes.size(); ++i) {
                enqueue(first + static_cast<std::uint32_t>(i) * t.gapMs, {t.bytes[i]});
            }
        }
        last = first + static_cast<std::uint32_t>(t.bytes.size() - 1) * std::max<std::uint32_t>(t.gapMs, 1);
    }
}

void PtyRadioLink::enqueue(std::uint32_t due, std::vector<std::uint8_t> bytes) {
    const auto later = std::upper_bound(outgoing_.begin(), outgoing_.end(), due,
                                        [](std::uint32_t t, const Outgoing& o) { return tickDistance(o.due, t) < 0; });
    outgoing_.insert(later, Outgoing{due, std::move(bytes)});
}

void PtyRadioLink::sendDue(std::uint32_t now) {
    while (!outgoing_.empty() && tickDistance(outgoing_.front().due, now) >= 0) {
        put(outgoing_.front().bytes);
        outgoing_.pop_front();
    }
}

int PtyRadioLink::pollTimeout(std::uint32_t now) const {
    std::int32_t wait = -1;
    const auto consider = [&](std::uint32_t at) {
        const std::int32_t d = std::max<std::int32_t>(tickDistance(now, at), 0);
        wait = wait < 0 ? d : std::min(wait, d);
    };
    if (!outgoing_.empty()) consider(outgoing_.front().due);
    if (assembler_.midFrame()) consider(assembler_.staleAt());
    return wait;
}

// A host that stops reading fills the terminal's input queue; what does not fit within a short
// wait is lost, as on a serial line whose receiver overran.
void PtyRadioLink::put(const std::vector<std::uint8_t>& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::write(master_.get(), bytes.data() + sent, bytes.size() - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) return;
        pollfd out{master_.get(), POLLOUT, 0};
        if (::poll(&out, 1, kWriteWaitMs) <= 0) return;
    }
}

}  // namespace vantrel::sim
