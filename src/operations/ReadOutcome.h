#pragma once

#include "operations/commandMessages.h"

#include <cstdint>
#include <vector>

namespace vantrel {

class radioStorage;

// How a radio read ended when the line and the protocol did not fail (those failures are
// thrown). A radio that reports a power-up status other than 0 or 32 was not read at all; a
// radio whose frequency plan has no used transmit or no used receive point was read up to the
// plan, and what was read is not to be trusted.
struct ReadOutcome {
    enum class Kind { Complete, UnusableFrequencyPlan, PowerUpFailure };

    Kind kind = Kind::Complete;
    std::uint8_t powerUpStatus = 0;  // the radio's status, for PowerUpFailure

    static ReadOutcome complete() { return {}; }
    static ReadOutcome unusableFrequencyPlan() { return {Kind::UnusableFrequencyPlan}; }
    static ReadOutcome powerUpFailure(std::uint8_t status) { return {Kind::PowerUpFailure, status}; }

    bool isComplete() const { return kind == Kind::Complete; }
    friend bool operator==(const ReadOutcome&, const ReadOutcome&) = default;
};

// What the technician is told after a read, in order: for a complete read the success note (and
// the note that the radio cannot be tuned here, when its tuning procedure is not one of ours);
// otherwise the errors. The desktop program shows them as notes or errors, the command line
// prints them.
std::vector<messages::Message> readOutcomeMessages(const ReadOutcome& outcome, const radioStorage& storage);

}  // namespace vantrel
