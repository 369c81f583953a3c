#pragma once

#include "link/CommunicationPort.h"
#include "link/RF_CommunicationSetup.h"
#include "protocol/EnhancedZIRK.h"

#include <memory>

namespace vantrel {

// One connection to the radio for one user action: the protocol object bound to a port that
// was opened for it. Construction reads "com.ini" and opens the port through the port opener
// (PortInUseError when it cannot, port 0 never opens); destruction closes it, on whatever path
// the action leaves. The protocol operations are called on the connection itself.
//
// It lives in protocol/ rather than link/ because it owns the protocol object; the link stays
// free of protocol knowledge.
class cominit : public EnhancedZIRK {
public:
    static constexpr std::uint8_t kBlockSize = 64;

    cominit();
    ~cominit() override;
    cominit(const cominit&) = delete;
    cominit& operator=(const cominit&) = delete;

    const RF_CommunicationSetup& setup() const { return setup_; }
    CommunicationPort& communicationPort() { return *port_; }

private:
    RF_CommunicationSetup setup_;
    std::unique_ptr<CommunicationPort> port_;
};

}  // namespace vantrel
