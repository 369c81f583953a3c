#include "cli/CliPortOpener.h"

#ifndef _WIN32
#include "link/PosixCommunicationPort.h"
#endif

namespace vantrel::cli {

namespace {

// COM N whatever number the configuration file holds.
class NumberedPortOpener : public PortOpener {
public:
    explicit NumberedPortOpener(int number) : number_(number) {}
    std::unique_ptr<CommunicationPort> open(std::int32_t) override { return openSystemPort(number_); }

private:
    int number_;
};

#ifndef _WIN32
// A named device, for adapters and simulated radios that have no COM number.
class DevicePortOpener : public PortOpener {
public:
    explicit DevicePortOpener(std::string device) : device_(std::move(device)) {}
    std::unique_ptr<CommunicationPort> open(std::int32_t) override {
        return std::make_unique<PosixCommunicationPort>(device_, 9600, parity::kNone, 8, stopbits::kOne, 0);
    }

private:
    std::string device_;
};
#endif

}  // namespace

std::unique_ptr<PortOpener> makeCliPortOpener(const CliOptions& options) {
    if (options.port) return std::make_unique<NumberedPortOpener>(*options.port);
    if (options.device) {
#ifndef _WIN32
        return std::make_unique<DevicePortOpener>(*options.device);
#else
        throw UsageError("--device is not available on Windows: use --port N");
#endif
    }
    return nullptr;
}

}  // namespace vantrel::cli
