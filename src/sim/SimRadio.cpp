#include "sim/SimRadio.h"

#include "protocol/Framing.h"
#include "sim/RequestTable.h"

#include <algorithm>

namespace vantrel::sim {

namespace {

using Bytes = std::vector<std::uint8_t>;

// A frame whose header measures exactly its own length (so every field can be read).
bool complete(const Bytes& frame) {
    const auto length = measuredLength(frame.data(), frame.size());
    return length && *length == frame.size();
}

bool intact(const Bytes& frame) {
    if (!complete(frame)) return false;
    return frame.size() == 1 || checksumOf(frame.data(), frame.size() - 1) == frame.back();
}

Bytes payloadOf(const Bytes& frame) {
    if (!complete(frame) || frame.size() == 1) return {};
    const std::uint32_t offset = payloadOffset(frame.data());
    return Bytes(frame.begin() + offset, frame.begin() + offset + payloadLength(frame.data()));
}

const FaultRule* hit(const std::vector<FaultRule>& faults, FaultKind kind) {
    const auto it = std::find_if(faults.begin(), faults.end(), [kind](const FaultRule& r) { return r.kind == kind; });
    return it == faults.end() ? nullptr : &*it;
}

Answer refusedAnswer() { return Answer{true, {{replies::refusal(), SimRadio::kAcknowledgeDelayMs, 1}}}; }

// The response as the faults deform it, and when and how fast it goes.
Transmission shapedResponse(Bytes response, const std::vector<FaultRule>& faults) {
    Transmission t{std::move(response), 1, 1};
    if (hit(faults, FaultKind::CorruptChecksum)) t.bytes.back() ^= 0xFF;
    if (hit(faults, FaultKind::FlipPayloadByte) && complete(t.bytes) && payloadLength(t.bytes.data()) > 0) {
        t.bytes[t.bytes.size() - 2] ^= 0x01;
    }
    if (const FaultRule* cut = hit(faults, FaultKind::CutShort)) {
        const std::size_t keep = t.bytes.size() > cut->cutBytes ? t.bytes.size() - cut->cutBytes : 1;
        t.bytes.resize(keep);
    }
    if (const FaultRule* late = hit(faults, FaultKind::LateResponse)) t.delayMs = late->delayMs;
    if (const FaultRule* slow = hit(faults, FaultKind::SlowResponse)) t.gapMs = slow->gapMs;
    return t;
}

}  // namespace

SimRadio::SimRadio(const RadioProfile& profile) : model_(profile) {
    for (const FaultRule& rule : profile.faults) faults_.add(rule);
}

Answer SimRadio::answer(const Bytes& frame, std::uint32_t at) {
    std::lock_guard lock(mutex_);
    LoggedRequest entry;
    entry.at = at;
    entry.frame = frame;
    entry.opcode = complete(frame) ? static_cast<std::uint8_t>(opcode(frame.data())) : 0;
    entry.payload = payloadOf(frame);
    entry.checksumValid = intact(frame);
    entry.state = model_.state();
    // A damaged request is refused: the radio cannot know what was meant.
    Answer result = entry.checksumValid ? respond(entry) : refusedAnswer();
    log_.push_back(entry);
    if (observer_) observer_(entry);
    return result;
}

Answer SimRadio::respond(LoggedRequest& entry) {
    const std::vector<FaultRule> faults = faults_.take(entry.opcode, entry.payload);
    for (const FaultRule& rule : faults) entry.faults.push_back(rule.kind);

    if (hit(faults, FaultKind::NoEcho)) return Answer{false, {}};
    if (hit(faults, FaultKind::NoAcknowledgement)) return Answer{true, {}};
    if (hit(faults, FaultKind::Refuse)) return refusedAnswer();

    Reply reply;
    if (hit(faults, FaultKind::Unsupported)) {
        reply = Reply{false, false, replies::unsupported(entry.payload)};
    } else if (hit(faults, FaultKind::WriteRefused)) {
        reply = Reply{false, false, replies::writeRefused(entry.payload)};
    } else {
        reply = carryOut(model_, entry.opcode, entry.payload);
    }
    entry.carriedOut = reply.carriedOut;
    if (reply.refused) return refusedAnswer();

    Answer result{true, {{replies::acknowledgement(), kAcknowledgeDelayMs, 1}}};
    if (reply.response && !hit(faults, FaultKind::BareAcknowledgement)) {
        result.transmissions.push_back(shapedResponse(std::move(*reply.response), faults));
    }
    return result;
}

bool SimRadio::mayLoseEcho() const {
    std::lock_guard lock(mutex_);
    return faults_.armed(FaultKind::NoEcho);
}

void SimRadio::inject(const FaultRule& rule) {
    std::lock_guard lock(mutex_);
    faults_.add(rule);
}

void SimRadio::clearFaults() {
    std::lock_guard lock(mutex_);
    faults_.clear();
}

std::vector<LoggedRequest> SimRadio::log() const {
    std::lock_guard lock(mutex_);
    return log_;
}

void SimRadio::clearLog() {
    std::lock_guard lock(mutex_);
    log_.clear();
}

void SimRadio::setObserver(std::function<void(const LoggedRequest&)> observer) {
    std::lock_guard lock(mutex_);
    observer_ = std::move(observer);
}

}  // namespace vantrel::sim
