#pragma once

#include "link/CommunicationPort.h"
#include "link/PortOpener.h"

#include <chrono>
#include <memory>
#include <ostream>

namespace vantrel::cli {

// What vantrel-cli asks of every port it opens besides the line itself: stop before the next
// request once SIGINT or SIGTERM came, and, with -v, a trace of every byte each way with the
// time it passed, which is what a support engineer asks for first.
struct PortWatch {
    std::ostream* trace = nullptr;
    bool stopOnSignal = true;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};

class WatchedPort : public CommunicationPort {
public:
    WatchedPort(std::unique_ptr<CommunicationPort> port, const PortWatch& watch);

    void transmitVerified(const std::uint8_t* bytes, std::uint32_t count) override;
    void transmit(const std::uint8_t* bytes, std::uint32_t count) override;
    std::uint32_t receive(std::uint8_t* buffer, std::uint32_t count) override;
    void purgeReceive() override { port_->purgeReceive(); }
    std::uint32_t bytesAvailable() override { return port_->bytesAvailable(); }
    double characterTime() override { return port_->characterTime(); }

    std::uint32_t portNumber() override { return port_->portNumber(); }
    void configure(std::uint32_t baudRate, int parity, int dataBits, int stopBits) override {
        port_->configure(baudRate, parity, dataBits, stopBits);
    }
    void setBaudRate(std::uint32_t rate) override { port_->setBaudRate(rate); }
    std::uint32_t baudRate() override { return port_->baudRate(); }
    void setParity(int code) override { port_->setParity(code); }
    int parity(int fallback) override { return port_->parity(fallback); }
    void setDataBits(int count) override { port_->setDataBits(count); }
    int dataBits() override { return port_->dataBits(); }
    void setStopBits(int code) override { port_->setStopBits(code); }
    int stopBits(int fallback) override { return port_->stopBits(fallback); }
    double bitsPerCharacter() override { return port_->bitsPerCharacter(); }

private:
    void beforeRequest(const std::uint8_t* bytes, std::uint32_t count);
    void log(char direction, const std::uint8_t* bytes, std::uint32_t count);

    std::unique_ptr<CommunicationPort> port_;
    const PortWatch& watch_;
};

// Opens ports through another opener and hands them out watched.
class WatchingPortOpener : public PortOpener {
public:
    WatchingPortOpener(PortOpener& opener, const PortWatch& watch) : opener_(opener), watch_(watch) {}
    std::unique_ptr<CommunicationPort> open(std::int32_t portNumber) override {
        return std::make_unique<WatchedPort>(opener_.open(portNumber), watch_);
    }

private:
    PortOpener& opener_;
    const PortWatch& watch_;
};

}  // namespace vantrel::cli
