#include "protocol/cominit.h"

#include "link/CommunicationError.h"
#include "link/PortOpener.h"

namespace vantrel {

namespace {

std::unique_ptr<CommunicationPort> openPort(std::int32_t portNumber) {
    auto port = portOpener().open(portNumber);
    // An opener that hands out nothing has not opened the port: report it as the port not
    // being available rather than fail later on a missing port.
    if (!port) throw PortInUseError();
    return port;
}

}  // namespace

cominit::cominit() : EnhancedZIRK(kBlockSize), port_(openPort(setup_.portNumber())) { setPort(port_.get()); }

cominit::~cominit() { setPort(nullptr); }

}  // namespace vantrel
