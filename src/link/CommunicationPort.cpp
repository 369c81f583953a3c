#include "link/CommunicationPort.h"

#include "link/CommunicationError.h"
#include "link/PacingTimer.h"

#include <cmath>

namespace vantrel {

std::uint32_t CommunicationPort::tickMs() {
    const auto ms = static_cast<std::uint32_t>(std::floor(characterTime() * 1000.0));
    return ms == 0 ? 1 : ms;
}

std::uint32_t CommunicationPort::ticksFor(double seconds) {
    return static_cast<std::uint32_t>(seconds / characterTime());
}

std::uint32_t CommunicationPort::waitForBytes(std::uint32_t count, std::uint32_t idleLimit) {
    PacingTimer timer(clock_, tickMs());
    std::uint32_t have = 0;
    std::uint32_t idle = 0;
    while (have < count) {
        idle = 0;
        std::uint32_t now = bytesAvailable();
        while (now == have) {
            if (idle >= idleLimit) throw TimeoutOnReceive();
            timer.wait(1);
            now = bytesAvailable();
            ++idle;
        }
        have = now;
    }
    timer.wait(1);
    return idle;
}

std::uint8_t CommunicationPort::readByte(std::uint32_t idleLimit) {
    waitForByte(idleLimit);
    std::uint8_t byte = 0;
    receive(&byte, 1);
    return byte;
}

void CommunicationPort::readBytes(std::uint8_t* buffer, std::uint32_t count, std::uint32_t idleLimit) {
    if (count == 0) return;
    waitForBytes(count, idleLimit);
    receive(buffer, count);
}

std::uint32_t CommunicationPort::readWord(std::uint32_t idleLimit) {
    std::uint8_t bytes[2] = {0, 0};
    waitForBytes(2, idleLimit);
    receive(bytes, 2);
    return (std::uint32_t{bytes[0]} << 8) | bytes[1];
}

}  // namespace vantrel
