#include "protocol/ZIRKSoftpotReadRequest.h"

namespace vantrel {

namespace {

// Families whose single value is wider than one byte when read with the acknowledgement:
// the reference oscillator warp and K and M are 16-bit, the all-points capability probe
// (code 20) reads a 32-bit value.
struct CapturedWidth {
    int code;
    std::uint32_t width;
};
constexpr CapturedWidth kWideFamilies[] = {{2, 2}, {16, 2}, {20, 4}};

}  // namespace

ZIRKSoftpotReadRequest::ZIRKSoftpotReadRequest(std::uint8_t softpot, std::uint8_t selector)
    : ZIRKSoftpotValueRequest(kOpcode, {softpot, selector, 0x00}) {}

std::uint32_t ZIRKSoftpotReadRequest::capturedWidth(int code) const {
    for (const CapturedWidth& family : kWideFamilies) {
        if (family.code == code) return family.width;
    }
    return 1;
}

void ZIRKSoftpotReadRequest::exchangeRecord(CommunicationPort& port, SupportFlags& storage, int code) {
    recordingExchange(port, Send::Plain, storage, code, [&] { takeCapturedValue(code); });
}

void ZIRKSoftpotReadRequest::exchangeRecordAll(CommunicationPort& port, SupportFlags& storage, int code) {
    recordingExchange(port, Send::Plain, storage, code, [] {});
}

}  // namespace vantrel
