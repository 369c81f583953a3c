#pragma once

#include "protocol/ZIRKMessage.h"

#include <cstdint>
#include <optional>
#include <span>

namespace vantrel {

// Writes data into codeplug memory at a 24-bit address. The radio answers 0x84 with an
// address, or 0x85 with the address of a write it refused.
//
// The radio may report a write as still in progress (address 0 or FF FF FF); that write is
// then pending, and the next request names it, so that the radio's later report of its
// address confirms it. An empty write at address 0 asks only for that confirmation.
class ZIRKWriteRequest : public ZIRKMessage {
public:
    static constexpr std::uint8_t kOpcode = 0x17;
    static constexpr std::uint32_t kAddressBytes = 3;
    static constexpr std::uint32_t kInProgress = 0xFFFFFF;

    enum class Outcome {
        Complete,              // the radio reported this request's own address
        Pending,               // the radio reported 0 or FF FF FF
        PendingAfterPrevious,  // the radio reported the pending write's address: that one is done
    };

    // pendingBefore: the address of the write still pending when this one is sent.
    ZIRKWriteRequest(std::span<const std::uint8_t> data, std::uint32_t address,
                     std::optional<std::uint32_t> pendingBefore = std::nullopt);

    std::uint32_t address() const { return address_; }
    Outcome outcome() const { return outcome_; }

    void exchange(CommunicationPort& port) override;
    // Waits up to two seconds for the answer's first byte: writing memory takes the radio a while.
    void awaitLateResponse(CommunicationPort& port) override;

private:
    // BadWrite for a refusal, BadReply for an answer that fits no rule; else notes the outcome.
    void evaluate(std::uint32_t opcode, const std::uint8_t* payload, std::uint32_t length);

    std::uint32_t address_;
    std::optional<std::uint32_t> pendingBefore_;
    Outcome outcome_ = Outcome::Complete;
};

}  // namespace vantrel
