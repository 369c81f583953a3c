#include "link/PortOpenFailure.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace vantrel {

PortOpenFailure::PortOpenFailure(Cause cause, std::string device, int systemError)
    : cause_(cause), device_(std::move(device)), systemError_(systemError) {}

PortOpenFailure::Cause PortOpenFailure::causeOf(int systemError) {
    switch (systemError) {
        case EBUSY:
        case EAGAIN:
            return Cause::InUse;
        case ENOENT:
        case ENODEV:
        case ENXIO:
        // A serial port without its hardware (a ttyS with no UART, an adapter pulled out).
        case EIO:
            return Cause::NoDevice;
        case EACCES:
        case EPERM:
            return Cause::PermissionDenied;
        case ENOTTY:
            return Cause::NotASerialPort;
        case EISDIR:
            return Cause::IsADirectory;
        default:
            return Cause::Other;
    }
}

std::string PortOpenFailure::explanation() const {
    const std::string name = device_.empty() ? "the port" : device_;
    switch (cause_) {
        case Cause::InUse:
            return name + ": in use by another program";
        case Cause::NoDevice:
            return name + ": no such device";
        case Cause::PermissionDenied:
            return name + ": permission denied \u2014 add yourself to the dialout group";
        case Cause::NotASerialPort:
            return name + ": not a serial port";
        case Cause::IsADirectory:
            return name + ": a directory, not a serial port";
        case Cause::NoPort:
            return "no serial port named (COM 0, or an empty device name)";
        case Cause::Other:
            break;
    }
    return name + ": " + std::strerror(systemError_);
}

std::string portOpenExplanation(const std::exception& failure) {
    if (const auto* open = dynamic_cast<const PortOpenFailure*>(&failure)) return open->explanation();
    if (dynamic_cast<const PortInUseError*>(&failure) != nullptr) return "the port is in use by another program";
    return {};
}

}  // namespace vantrel
