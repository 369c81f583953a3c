// Feeds arbitrary byte streams to the reply readers and the acknowledged exchanges through a
// virtual line: whatever the radio sends back, the host must end with a typed failure or a
// result, never a crash or an access out of bounds.
#include "link/VirtualLine.h"
#include "protocol/Framing.h"
#include "protocol/RadioProtocolError.h"
#include "protocol/ZIRKMessage.h"
#include "protocol/ZIRKReply.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

using namespace vantrel;

// Answers every request with the fuzzer's bytes, right behind the echo.
class HostileRadio : public LinePeer {
public:
    HostileRadio(const std::uint8_t* data, std::size_t size, std::uint32_t gap)
        : stream_(data, data + size), gap_(gap) {}
    void byteFromHost(std::uint8_t byte, std::uint32_t at, VirtualLine& line) override {
        if (auto frame = assembler_.add(byte)) line.sendToHost(stream_, at + 1, gap_);
    }

private:
    FrameAssembler assembler_;
    std::vector<std::uint8_t> stream_;
    std::uint32_t gap_;
};

void runOnce(std::uint8_t selector, const std::uint8_t* data, std::size_t size) {
    VirtualClock clock;
    VirtualLine line(clock);
    HostileRadio radio(data, size, 1 + (selector >> 4) % 3);
    line.attach(&radio);
    VirtualLinePort port(line);
    static const std::uint8_t kRequest[] = {0x06, 0x00, 0x00};
    ZIRKMessage request(0x20, kRequest, sizeof kRequest);
    std::array<std::uint8_t, 64> buffer{};
    switch (selector % 5) {
        case 0:
            request.transact(port);
            break;
        case 1:
            request.transactData(port, buffer);
            break;
        case 2:
            ZIRKReply::readExpected(port, opcodes::kUnsupported, waits::kReply);
            break;
        case 3:
            ZIRKReply::readAllowed(port, opcodes::kSoftpotSet, waits::kReply);
            break;
        default:
            ZIRKReply::readAcknowledged(port, opcodes::kMemoryWriteSet, 1920, 0);
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    try {
        runOnce(data[0], data + 1, size - 1);
    } catch (const vantrel::Exception&) {
    } catch (const vantrel::CommError&) {}
    return 0;
}
