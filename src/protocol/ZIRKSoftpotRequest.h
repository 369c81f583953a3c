#pragma once

#include "protocol/ZIRKMessage.h"
#include "protocol/ZIRKReply.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace vantrel {

// What every request about one softpot shares: the softpot number as first payload byte, and
// the recording exchange that notes in the storage whether the radio has the softpot's
// family. The radio answers 0x8A naming the softpot, with the value big-endian behind it, or
// 0x86 when it lacks the softpot.
class ZIRKSoftpotRequest : public ZIRKMessage {
public:
    static constexpr std::uint8_t kOpcode = 0x20;

    std::uint8_t softpot() const { return softpot_; }

    void awaitLateResponse(CommunicationPort& port) override = 0;
    // A late answer: "unsupported" clears the family's flag, a normal answer sets it and
    // hands its value to takeLateValue.
    void awaitLateRecord(CommunicationPort& port, SupportFlags& storage, int code) override;

protected:
    // payload[0] is the softpot number.
    ZIRKSoftpotRequest(std::uint8_t opcode, const std::vector<std::uint8_t>& payload);

    // The recording tail: a captured "unsupported" clears the flag, any other captured answer
    // sets it and is handed to takeCaptured; without a capture the late answer is awaited.
    // Only BadReply is paced before it is passed on.
    void recordingExchange(CommunicationPort& port, Send send, SupportFlags& storage, int code,
                           const std::function<void()>& takeCaptured);
    // Reads the answer that did not come with the acknowledgement: the acknowledged-read form
    // without echo, which gives the first byte only a short wait.
    static ZIRKReply readLateAnswer(CommunicationPort& port);
    // The reader the recording tail uses for a late answer.
    virtual ZIRKReply readLateRecordAnswer(CommunicationPort& port) { return readLateAnswer(port); }
    virtual void takeLateValue(const ZIRKReply&) {}
    // BadReply unless the answer names this request's softpot.
    void requireOwnSoftpot(const ZIRKReply& reply) const;

private:
    std::uint8_t softpot_;
};

// A softpot request whose answer carries a value: the softpot read and the auto-tune.
class ZIRKSoftpotValueRequest : public ZIRKSoftpotRequest {
public:
    std::uint32_t value() const { return value_; }
    // Width in bytes of the value the radio sent.
    std::uint32_t width() const { return width_; }
    // False until an answer other than "unsupported" has been taken.
    bool hasValue() const { return hasValue_; }

    // The plain exchange takes the value from the answer, captured or late; an "unsupported"
    // answer is UnsupportedMessage either way, so a missing softpot never reads as a value.
    void exchange(CommunicationPort& port) override;
    void awaitLateResponse(CommunicationPort& port) override;

protected:
    using ZIRKSoftpotRequest::ZIRKSoftpotRequest;

    // Width of the value a captured answer is read with, for a family code: 1, 2 or 4.
    virtual std::uint32_t capturedWidth(int code) const = 0;
    void takeCapturedValue(int code);
    void takeLateValue(const ZIRKReply& reply) override;

private:
    void setValue(std::uint32_t value, std::uint32_t width);
    void takeCapturedAnswer();

    std::uint32_t value_ = 0;
    std::uint32_t width_ = 0;
    bool hasValue_ = false;
};

}  // namespace vantrel
