#pragma once

#include "protocol/ProtocolMessage.h"

#include <cstdint>
#include <functional>
#include <span>

namespace vantrel {

class SupportFlags;

// One ZIRK frame, and the exchange kinds every request inherits: the plain acknowledged
// exchange, the one that hands its response back, and the ones that record the radio's
// support of a softpot family. Each `transact...` repeats its exchange up to four attempts.
class ZIRKMessage : public ProtocolMessage {
public:
    // Shares the body of the empty message.
    ZIRKMessage();
    ZIRKMessage(std::uint32_t opcode, const std::uint8_t* payload, std::uint32_t length);
    // A frame received as raw bytes; BadMessage when it is cut short or its checksum is wrong.
    static ZIRKMessage fromRaw(const std::uint8_t* bytes, std::size_t available);
    static const ZIRKMessage& empty();

    std::uint32_t opcode() const;
    std::uint32_t payloadLength() const;
    const std::uint8_t* payload() const;
    std::uint32_t attempts() const { return attempts_; }

    void exchange(CommunicationPort& port) override;
    void transact(CommunicationPort& port) override;
    virtual void exchangeData(CommunicationPort& port, std::span<std::uint8_t> buffer);
    virtual void exchangeRecord(CommunicationPort& port, SupportFlags& storage, int code);
    virtual void exchangeRecordAll(CommunicationPort& port, SupportFlags& storage, int code);
    virtual void transactData(CommunicationPort& port, std::span<std::uint8_t> buffer);
    virtual void transactRecord(CommunicationPort& port, SupportFlags& storage, int code);
    virtual void transactRecordAll(CommunicationPort& port, SupportFlags& storage, int code);
    virtual void awaitLateResponse(CommunicationPort& port);
    virtual void awaitLateData(CommunicationPort& port, std::span<std::uint8_t> buffer);
    virtual void awaitLateRecord(CommunicationPort& port, SupportFlags& storage, int code);

protected:
    explicit ZIRKMessage(Body body) : ProtocolMessage(std::move(body)) {}

    enum class Send { Plain, Verified };
    enum class Pace { OnAnyFailure, OnBadReplyOnly };
    // The opening every acknowledged exchange shares: purge, send, the first echo byte, the
    // acknowledgement; then the kind's tail. A failure the kind catches is held back until 10
    // ticks have passed since the echo wait began, so the radio is not rushed.
    void acknowledgedExchange(CommunicationPort& port, Send send, Pace pace, const std::function<void()>& tail);
    // Runs one exchange kind with its repetitions.
    void repeat(const std::function<void()>& attempt);

private:
    std::uint32_t attempts_ = 0;
};

}  // namespace vantrel
