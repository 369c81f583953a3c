#include "link/ComStartupCheck.h"

#include "link/PortConfigurationFile.h"
#include "link/PortOpener.h"

#include <exception>

namespace vantrel {

namespace {

void touchPort(std::int32_t portNumber) {
    try {
        const auto port = portOpener().open(portNumber);
        if (!port) return;
        port->configure(port->baudRate(), port->parity(parity::kNone), port->dataBits(),
                        port->stopBits(stopbits::kOne));
    } catch (const std::exception&) {
        // Start-up goes on whatever the port does; the first radio action reports it.
    }
}

}  // namespace

ComStartupOutcome runComStartupCheck(const std::function<void()>& runPortDialog) {
    std::int32_t number = readPortNumber();
    if (number == kPortNumberUnreadable) {
        if (runPortDialog) runPortDialog();
        number = readPortNumber();
        if (number == kPortNumberUnreadable) return {false, number};
    }
    touchPort(number);
    return {true, number};
}

}  // namespace vantrel
