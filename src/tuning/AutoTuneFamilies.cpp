#include "model/rxAutoSquelchData.h"
#include "model/txTransmitPowData.h"
#include "tuning/AutoTuneSession.h"
#include "tuning/TuningFamily.h"

#include <array>

namespace vantrel {

namespace {

// Squelch attenuation at one channel spacing: 3 for 12.5 kHz, 2 for 20 kHz, 1 for 25 kHz.
template <int Spacing>
class AutoSquelchTuning : public DataClassTuning<rxAutoSquelchData> {
public:
    void prepare(const radioStorage&, EnhancedZIRK& conn) override { data_.setupTestMode(Spacing, conn, true, false); }
    void commit(std::uint32_t value, EnhancedZIRK& conn) override { data_.commitWrite(value, conn); }
};

// Always at high power with the 25 kHz code, whatever the radio's spacing.
class PaVoltageLimitTuning : public DataClassTuning<txPAVoltageLimitData> {
public:
    void prepare(const radioStorage&, EnhancedZIRK& conn) override { data_.setupTestMode(1, conn, true, false); }
    void commit(std::uint32_t value, EnhancedZIRK& conn) override { data_.commitWrite(value, conn); }
};

// kind, command, class, title, caption, icon, softpot, keying, receive point, data, session, texts,
// capital mismatch, always in use, reports closing failure, shows unsent commit
const std::array<TuningFamily, 4> kFamilies{{
    {16, 11854, "TAutoSquelch125KHzWindow", "Auto Squelch Tuning (12.5KHz)", "Squelch Attn. 12.5KHz", true,
     SoftpotFamily::AutoSquelch125, Keying::None, 0, &makeTuningData<AutoSquelchTuning<3>>, &makeSession<AutoSquelchSession>,
     {"Commit new softpot values? Softpot Value Range(1-63)",
      "Program softpots aborted for Auto Squelch 12.5KHz!! Illegal softpot value",
      "Please enter a valid Auto Squelch 12.5KHz softpot value!!", "NOTE"},
     false, false, false, false},
    {17, 11855, "TAutoSquelch20KHzWindow", "Auto Squelch Tuning (20KHz)", "Squelch Attn. 20KHz", true,
     SoftpotFamily::AutoSquelch20, Keying::None, 0, &makeTuningData<AutoSquelchTuning<2>>, &makeSession<AutoSquelchSession>,
     {"Commit new softpot values? Softpot Value Range (1-63)",
      "Program softpots aborted for Auto Squelch 20KHz!! Illegal softpot value",
      "Please enter a valid Auto Squelch 20KHz softpot value!!", "NOTE"},
     false, false, false, false},
    {18, 11856, "TAutoSquelch25KHzWindow", "Auto Squelch Tuning (25KHz)", "Squelch Attn. 25KHz", true,
     SoftpotFamily::AutoSquelch25, Keying::None, 0, &makeTuningData<AutoSquelchTuning<1>>, &makeSession<AutoSquelchSession>,
     {"Commit new softpot values? Softpot Value Range(1-63)",
      "Program softpots aborted for Auto Squelch 25KHz!! Illegal softpot value",
      "Please enter a valid Auto Squelch 25KHz value!!", "NOTE"},
     false, false, false, false},
    {34, 11868, "TPAVoltageLimitWindow", "Transmit PA Volatge Limit", "Transmit PA Voltage Limit", true,
     SoftpotFamily::PaVoltageLimit, Keying::None, 0, &makeTuningData<PaVoltageLimitTuning>, &makeSession<PaVoltageLimitSession>,
     {}, false, false, false, false},
}};

}  // namespace

std::span<const TuningFamily> autoTuneFamilies() { return kFamilies; }

}  // namespace vantrel
