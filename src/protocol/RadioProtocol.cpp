#include "protocol/RadioProtocol.h"

#include "link/CommunicationError.h"

namespace vantrel {

CommunicationPort& RadioProtocol::port() {
    if (port_ == nullptr) throw GeneralCommunicationError();
    return *port_;
}

}  // namespace vantrel
