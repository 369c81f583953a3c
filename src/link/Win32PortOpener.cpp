#include "link/PortOpener.h"
#include "link/Win32CommunicationPort.h"

namespace vantrel {

std::unique_ptr<CommunicationPort> openSystemPort(std::int32_t portNumber) {
    // A negative number names no device; it goes the way of port 0, which never opens.
    const auto number = static_cast<std::uint32_t>(portNumber < 0 ? 0 : portNumber);
    return std::make_unique<Win32CommunicationPort>(number, 9600, parity::kNone, 8, stopbits::kOne, 0);
}

}  // namespace vantrel
