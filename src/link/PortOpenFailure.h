#pragma once

#include "link/CommunicationError.h"

#include <string>

namespace vantrel {

// A port that did not open, with the reason the host gave. It is a PortInUseError, so every
// command that answers a port it cannot open with "COM Port is currently in use by another
// application" still does; whoever can say more (the command line, the desktop program's detail
// text) asks for the cause: a missing adapter or a missing dialout membership are fixed in
// seconds once they are named, and in hours when they are reported as "in use".
class PortOpenFailure : public PortInUseError {
public:
    enum class Cause { InUse, NoDevice, PermissionDenied, NotASerialPort, IsADirectory, NoPort, Other };

    PortOpenFailure(Cause cause, std::string device, int systemError = 0);
    // The cause an operating-system error number (errno) stands for when opening a device.
    static Cause causeOf(int systemError);

    Cause cause() const { return cause_; }
    const std::string& device() const { return device_; }
    int systemError() const { return systemError_; }
    // One line for a technician, naming the device and what to do about it where that is clear.
    std::string explanation() const;

private:
    Cause cause_;
    std::string device_;
    int systemError_;
};

// What is known about why a connection failed to open: the explanation of a PortOpenFailure,
// a plain "in use" for a PortInUseError without a cause, empty for any other failure.
std::string portOpenExplanation(const std::exception& failure);

}  // namespace vantrel
