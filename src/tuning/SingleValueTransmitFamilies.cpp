#include "tuning/TuningFamily.h"
#include "tuning/TuningSession.h"

#include <array>

namespace vantrel {

namespace {

// The 20 kHz VCO screen sends its test mode once more at its first Program, before the
// question; later clicks go straight to it.
class Vco20Session : public TuningSession {
public:
    using TuningSession::TuningSession;

protected:
    void beforeCommitPrompt(EnhancedZIRK& conn) override {
        if (testModeResent_) return;
        testModeResent_ = true;
        data().prepare(storage(), conn);
    }

private:
    bool testModeResent_ = false;
};

constexpr CommitTexts kVcoTexts{"", "Program softpots aborted for VCO Attn.!! Illegal softpot value",
                                "Please enter a valid VCO Attn. softpot value!!", "NOTE"};

constexpr CommitTexts withPrompt(CommitTexts texts, std::string_view prompt) noexcept {
    texts.prompt = prompt;
    return texts;
}

// kind, command, class, title, caption, icon, softpot, keying, receive point, data, session, texts,
// capital mismatch, always in use, reports closing failure, shows unsent commit
const std::array<TuningFamily, 8> kFamilies{{
    {1,
     11910,
     "TRefOscWarpWindow",
     "Reference Oscillator Warp",
     "Reference Oscillator Warp",
     true,
     SoftpotFamily::ReferenceOscillator,
     Keying::PttToggle,
     0,
     &referenceOscillatorData,
     &makeSession<TuningSession>,
     {"Commit new softpot value? Softpot Value Range (0-511)",
      "Program softpots aborted for Reference Oscillator Warp !! Illegal softpot value",
      "Please enter a valid Reference Oscillator Warp softpot value!!", "ERROR"},
     false,
     false,
     false,
     false},
    {6, 11871, "TVCOAttn125KHzWindow", "VCO Attenuation (12.5KHz)", "VCO Attn. 12.5kHz", true,
     SoftpotFamily::VcoAttenuation125, Keying::PttToggle, 0, &vcoAttenuationData<3>, &makeSession<TuningSession>,
     withPrompt(kVcoTexts, "Commit new softpot value? Softpot Value Range (0-127)"), false, false, false, true},
    {7, 11872, "TVCOAttn20KHzWindow", "VCO Attenuation (20KHz)", "VCO Attn. 20kHz", true,
     SoftpotFamily::VcoAttenuation20, Keying::PttToggle, 0, &vcoAttenuationData<2>, &makeSession<Vco20Session>,
     withPrompt(kVcoTexts, "Commit new softpot values? Softpot Value Range (0-127)"), false, false, false, true},
    {9,
     11874,
     "TDTMFWindow",
     "DTMF Signalling Deviation",
     "DTMF Deviation",
     true,
     SoftpotFamily::Dtmf,
     Keying::PttToggle,
     1,
     &dtmfData,
     &makeSession<TuningSession>,
     {"Commit new softpot value? Softpot Value Range(0-31)",
      "Program softpots aborted for DTMF Signalling!! Illegal softpot value",
      "Please enter a valid DTMF Signalling softpot value!!", "NOTE"},
     true,
     false,
     false,
     false},
    {10,
     11851,
     "TDalmorWindow",
     "Dalmor Signalling Deviation",
     "Dalmor Signalling",
     true,
     SoftpotFamily::Dalmor,
     Keying::PttToggle,
     0,
     &dalmorData,
     &makeSession<TuningSession>,
     {"Commit new softpot value? Softpot Value Range (0-31)",
      "Program softpots aborted for Dalmor!! Illegal softpot value", "Please enter a valid Dalmor softpot value!!",
      "NOTE"},
     true,
     false,
     true,
     false},
    {13,
     11845,
     "TSelect5Window",
     "Select 5 Signalling Deviation",
     "Select 5 Signalling Deviation",
     false,
     SoftpotFamily::Select5,
     Keying::PttToggle,
     0,
     &select5Data,
     &makeSession<TuningSession>,
     {"Commit new softpot value? Softpot Value Range (0-31)",
      "Program softpots aborted for Select 5 Signalling !! Illegal softpot value",
      "Please enter a valid Select 5 Signalling softpot value!!", "ERROR"},
     false,
     false,
     false,
     false},
    // The MPT 1327 texts name the signalling as the other signalling screens do.
    {14,
     11844,
     "TMPT1200Window",
     "MPT1200 Signalling Deviation",
     "MPT1327 Signalling Deviation",
     false,
     SoftpotFamily::Mpt1327,
     Keying::PttToggle,
     0,
     &mpt1327Data,
     &makeSession<TuningSession>,
     {"Commit new softpot value? Softpot Value Range (0-31)",
      "Program softpots aborted for MPT1327 Signalling!! Illegal softpot value",
      "Please enter a valid MPT1327 Signalling softpot value!!", "NOTE"},
     true,
     false,
     true,
     false},
    {33,
     11867,
     "THSSWindow",
     "High Speed Trunking Signalling Deviation",
     "High Speed Trunking Signalling Deviation",
     false,
     SoftpotFamily::HighSpeedTrunking,
     Keying::PttToggle,
     7,
     &highSpeedTrunkingData,
     &makeSession<TuningSession>,
     {"Commit new softpot value? Softpot Value Range (0-31)",
      "Program softpots aborted for High Speed Signalling !! Illegal softpot value",
      "Please enter a valid High Speed Signalling softpot value!!", "ERROR"},
     false,
     true,
     false,
     false},
}};

}  // namespace

std::span<const TuningFamily> singleValueTransmitFamilies() { return kFamilies; }

}  // namespace vantrel
