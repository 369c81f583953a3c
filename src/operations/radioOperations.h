#pragma once

#include "operations/ReadOutcome.h"

namespace vantrel {

class EnhancedZIRK;
class ProgressSink;
class radioStorage;

// The whole-radio read, and the serial number check that guards every write into a radio.
// One instance lives beside the radio storage for the life of the program.
class radioOperations {
public:
    // Fills the storage from the radio on the configured port in one pass, on a connection of
    // its own that is closed on every way out. Any failure of the line or the protocol ends the
    // pass and propagates; what was stored until then stays stored.
    ReadOutcome readRadio(radioStorage& storage, ProgressSink& progress);

    // Whether the radio on the connection carries the stored serial number (all ten characters).
    bool serialMatches(const radioStorage& storage, EnhancedZIRK& conn) const;
    bool serialMatches(EnhancedZIRK& conn, const radioStorage& storage) const { return serialMatches(storage, conn); }
};

}  // namespace vantrel
