#include "link/CommunicationError.h"

namespace vantrel {

const char* Exception::what() const noexcept { return "radio link failure"; }

void raiseLineError(std::int32_t word) {
    using namespace lineerror;
    if (word == 0) return;
    if (word == kBadBaudRate) throw BaudRateSettingError();
    if (word == kBadByteSize) throw CharacterSizeSettingError();
    if (word & kBreak) throw BreakDetected();
    if (word & kFrame) throw FramingError();
    if (word & kOverrun) throw OverrunError();
    if (word & kRxParity) throw ParityError();
    if (word & kRxOver) throw InputBufferFull();
    if (word & kTxFull) throw OutputBufferFull();
    throw GeneralCommunicationError();
}

}  // namespace vantrel
