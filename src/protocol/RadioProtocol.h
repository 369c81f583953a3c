#pragma once

#include <cstdint>
#include <span>

namespace vantrel {

class CommunicationPort;

// The protocol object's frame: the port it talks through (not owned; the connection owns it)
// and the operations every radio protocol offers.
class RadioProtocol {
public:
    virtual ~RadioProtocol() = default;
    virtual void keyUp() = 0;
    virtual void dekey() = 0;
    virtual void reset() = 0;
    // Reads count bytes of codeplug memory. A final partial block arrives as the raw response
    // frame, header first, at that block's offset: the start of destination for every read
    // shorter than a block (see EnhancedZIRK).
    virtual void readMemory(std::span<std::uint8_t> destination, std::uint32_t address, std::uint32_t count) = 0;
    virtual void writeMemory(std::span<const std::uint8_t> source, std::uint32_t address, std::uint32_t count) = 0;
    virtual void setPort(CommunicationPort* port) { port_ = port; }

protected:
    // The port, or GeneralCommunicationError when none is set.
    CommunicationPort& port();

private:
    CommunicationPort* port_ = nullptr;
};

}  // namespace vantrel
