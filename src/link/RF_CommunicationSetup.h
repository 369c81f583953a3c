#pragma once

#include "link/CommunicationPort.h"

#include <cstdint>

namespace vantrel {

// The line parameters of one connection. The port number comes from "com.ini"; when that
// cannot be read (the file was removed while the program runs, say) the last number read in
// this run is used instead, or 0, which opens no port.
class RF_CommunicationSetup {
public:
    RF_CommunicationSetup();

    std::uint32_t baudRate() const { return baudRate_; }
    std::int32_t portNumber() const { return portNumber_; }
    int parityCode() const { return parity_; }
    int dataBits() const { return dataBits_; }
    int stopBitCode() const { return stopBits_; }

private:
    std::uint32_t baudRate_ = 9600;
    std::int32_t portNumber_ = 0;
    int parity_ = parity::kNone;
    int dataBits_ = 8;
    int stopBits_ = stopbits::kOne;
};

// The last port number other than "unreadable" that any setup read in this process; 0 before.
std::int32_t lastPortNumber();

}  // namespace vantrel
