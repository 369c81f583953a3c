#include "operations/ReadOutcome.h"

#include "model/radioStorage.h"

namespace vantrel {

namespace {

// The power-up status that means the radio's hardware failed.
constexpr std::uint8_t kHardwareFailureStatus = 16;

}  // namespace

std::vector<messages::Message> readOutcomeMessages(const ReadOutcome& outcome, const radioStorage& storage) {
    switch (outcome.kind) {
        case ReadOutcome::Kind::Complete:
            if (storage.hasTunableProcedure()) return {messages::kRadioRead};
            return {messages::kRadioRead, messages::kNotSuitableForTuning};
        case ReadOutcome::Kind::UnusableFrequencyPlan:
            return {messages::kFrequencyPlanInvalid};
        case ReadOutcome::Kind::PowerUpFailure:
            if (outcome.powerUpStatus == kHardwareFailureStatus)
                return {messages::kPowerUpError, messages::kHardwareFailure};
            return {messages::kPowerUpError};
    }
    return {};
}

}  // namespace vantrel
