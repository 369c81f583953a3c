#include "link/PortOpener.h"

#include <atomic>

namespace vantrel {

namespace {

std::atomic<PortOpener*>& installed() {
    static std::atomic<PortOpener*> opener{nullptr};
    return opener;
}

}  // namespace

PortOpener& portOpener() {
    static SystemPortOpener system;
    PortOpener* opener = installed().load();
    return opener ? *opener : system;
}

PortOpener* setPortOpener(PortOpener* opener) { return installed().exchange(opener); }

}  // namespace vantrel
