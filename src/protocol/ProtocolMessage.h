#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace vantrel {

class CommunicationPort;

class ByteSequence {
public:
    virtual ~ByteSequence() = default;
    virtual std::uint32_t size() const = 0;
    virtual const std::uint8_t* data() const = 0;
};

// A message over a shared byte body: copying a message copies the handle, so both copies see
// the same bytes, and the body lives as long as its last holder.
class ProtocolMessage : public ByteSequence {
public:
    using Body = std::shared_ptr<std::vector<std::uint8_t>>;

    std::uint32_t size() const override { return static_cast<std::uint32_t>(body_->size()); }
    const std::uint8_t* data() const override { return body_->data(); }
    long useCount() const { return body_.use_count(); }

    virtual void exchange(CommunicationPort& port) = 0;
    virtual void transact(CommunicationPort& port) = 0;

protected:
    explicit ProtocolMessage(Body body) : body_(std::move(body)) {}
    std::uint8_t* mutableData() { return body_->data(); }
    void setBody(Body body) { body_ = std::move(body); }

private:
    Body body_;
};

}  // namespace vantrel
