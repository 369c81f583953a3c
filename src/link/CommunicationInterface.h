#pragma once

#include <cstdint>

namespace vantrel {

// What the protocol needs of a line: send, receive, purge, count the waiting bytes.
class CommunicationInterface {
public:
    virtual ~CommunicationInterface() = default;
    virtual void transmitVerified(const std::uint8_t* bytes, std::uint32_t count) = 0;
    virtual void transmit(const std::uint8_t* bytes, std::uint32_t count) = 0;
    virtual std::uint32_t receive(std::uint8_t* buffer, std::uint32_t count) = 0;
    virtual void purgeReceive() = 0;
    virtual std::uint32_t bytesAvailable() = 0;
    virtual double characterTime() = 0;
};

}  // namespace vantrel
