#include "link/RF_CommunicationSetup.h"

#include "link/PortConfigurationFile.h"

#include <atomic>

namespace vantrel {

namespace {

std::atomic<std::int32_t>& rememberedPortNumber() {
    static std::atomic<std::int32_t> number{0};
    return number;
}

}  // namespace

RF_CommunicationSetup::RF_CommunicationSetup() {
    const std::int32_t read = readPortNumber();
    if (read == kPortNumberUnreadable) {
        portNumber_ = rememberedPortNumber().load();
    } else {
        portNumber_ = read;
        rememberedPortNumber().store(read);
    }
}

std::int32_t lastPortNumber() { return rememberedPortNumber().load(); }

}  // namespace vantrel
