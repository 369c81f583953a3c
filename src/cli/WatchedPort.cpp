#include "cli/WatchedPort.h"

#include "cli/StopSignals.h"

#include <cstdio>

namespace vantrel::cli {

WatchedPort::WatchedPort(std::unique_ptr<CommunicationPort> port, const PortWatch& watch)
    : CommunicationPort(0, port->clock()), port_(std::move(port)), watch_(watch) {}

void WatchedPort::beforeRequest(const std::uint8_t* bytes, std::uint32_t count) {
    if (watch_.stopOnSignal && stopSignal() != 0) throw Interrupted{stopSignal()};
    log('>', bytes, count);
}

void WatchedPort::transmitVerified(const std::uint8_t* bytes, std::uint32_t count) {
    beforeRequest(bytes, count);
    port_->transmitVerified(bytes, count);
}

void WatchedPort::transmit(const std::uint8_t* bytes, std::uint32_t count) {
    beforeRequest(bytes, count);
    port_->transmit(bytes, count);
}

std::uint32_t WatchedPort::receive(std::uint8_t* buffer, std::uint32_t count) {
    const std::uint32_t got = port_->receive(buffer, count);
    log('<', buffer, got);
    return got;
}

// One line per transfer: milliseconds since the command began, the direction, the bytes.
void WatchedPort::log(char direction, const std::uint8_t* bytes, std::uint32_t count) {
    if (watch_.trace == nullptr || count == 0) return;
    const auto elapsed = std::chrono::steady_clock::now() - watch_.start;
    char line[32];
    std::snprintf(line, sizeof line, "%10.3f %c", std::chrono::duration<double>(elapsed).count(), direction);
    std::string text = line;
    for (std::uint32_t i = 0; i < count; ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", bytes[i]);
        text += hex;
    }
    *watch_.trace << text << '\n';
}

}  // namespace vantrel::cli
