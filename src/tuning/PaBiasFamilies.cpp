#include "model/txPABiasHighVoltageData.h"
#include "tuning/PaBiasSession.h"
#include "tuning/TuningFamily.h"

#include <array>

namespace vantrel {

namespace {

// The sessions prepare the radio themselves, per model; the data class commits Bias 1.
template <typename Data>
class PaBiasTuning : public DataClassTuning<Data> {
public:
    void prepare(const radioStorage& storage, EnhancedZIRK& conn) override {
        this->data_.updateSpacingCode(storage);
        this->data_.setupTestMode(conn);
    }
    void commit(std::uint32_t value, EnhancedZIRK& conn) override { this->data_.commit(value, conn); }
};

constexpr CommitTexts kHighTexts{"Commit new softpot value?",
                                 "Program softpots aborted for PA Bias High Power!! Illegal softpot value",
                                 "Please enter a valid PA Bias High Power softpot value!!", "NOTE"};
constexpr CommitTexts kLowTexts{"Commit new softpot value? Softpot Value Range (0-127)",
                                "Program softpots aborted for PA Bias Low Power!! Illegal softpot value",
                                "Please enter a valid PA Bias Low Power softpot value!!", "NOTE"};

// High power and Rx mode share kind 11. The default screens are opened by the PA bias commands
// in place of the screens before them (when the radio draws too much current), so they carry
// those commands too, listed after them.
// kind, command, class, title, caption, icon, softpot, keying, receive point, data, session, texts,
// capital mismatch, always in use, reports closing failure, shows unsent commit
const std::array<TuningFamily, 5> kFamilies{{
    {11, 11863, "TPABiasHighVoltageWindow", "PA Bias Voltage 1", "PA Bias Voltage High Power", true,
     SoftpotFamily::PaBiasHigh, Keying::PttToggle, 0, &makeTuningData<PaBiasTuning<txPABiasHighVoltageData>>,
     &makeSession<PaBiasHighSession>, kHighTexts, true, false, false, false},
    {11, 11878, "TPABiasRxModeWindow", "PA Bias Rx Mode", "PA Bias Voltage Rx Mode", true, SoftpotFamily::PaBiasHigh,
     Keying::PttToggle, 0, &makeTuningData<PaBiasTuning<txPABiasRxModeData>>, &makeSession<PaBiasRxModeSession>,
     kHighTexts, true, false, false, false},
    {36, 11863, "TPABiasHighVoltageWindowDefault", "PA Bias Voltage 1", "PA Bias Default (High Power)", true,
     SoftpotFamily::PaBiasHigh, Keying::PttToggle, 0, &makeTuningData<PaBiasTuning<txPABiasHighVoltageData>>,
     &makeSession<PaBiasDefaultSession>, kHighTexts, true, false, false, false},
    {12, 11864, "TPABiasLowVoltageWindow", "PA Bias Voltage 1", "PA Bias Voltage Low Power", true,
     SoftpotFamily::PaBiasLow, Keying::PttToggle, 0, &makeTuningData<PaBiasTuning<txPABiasLowVoltageData>>,
     &makeSession<PaBiasLowSession>, kLowTexts, true, false, false, false},
    {37, 11864, "TPABiasLowVoltageWindowDefault", "PA Bias Default (Low Power)", "PA Bias Default (Low Power)", true,
     SoftpotFamily::PaBiasLow, Keying::PttToggle, 0, &makeTuningData<PaBiasTuning<txPABiasLowVoltageData>>,
     &makeSession<PaBiasDefaultSession>, kLowTexts, true, false, false, false},
}};

}  // namespace

std::span<const TuningFamily> paBiasFamilies() { return kFamilies; }

}  // namespace vantrel
