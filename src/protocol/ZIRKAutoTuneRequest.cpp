#include "protocol/ZIRKAutoTuneRequest.h"

namespace vantrel {

namespace {
// The one auto-tuned family with a 16-bit value.
constexpr int kSixteenBitCode = 1;
}  // namespace

ZIRKAutoTuneRequest::ZIRKAutoTuneRequest(std::uint8_t softpot) : ZIRKSoftpotValueRequest(kOpcode, {softpot}) {}

std::uint32_t ZIRKAutoTuneRequest::capturedWidth(int code) const { return code == kSixteenBitCode ? 2 : 1; }

void ZIRKAutoTuneRequest::exchangeRecord(CommunicationPort& port, SupportFlags& storage, int code) {
    recordingExchange(port, Send::Verified, storage, code, [&] { takeCapturedValue(code); });
}

ZIRKReply ZIRKAutoTuneRequest::readLateRecordAnswer(CommunicationPort& port) {
    return ZIRKReply::readAllowed(port, opcodes::kSoftpotSet, waits::kReply);
}

}  // namespace vantrel
