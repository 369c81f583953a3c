#include "link/CommunicationError.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"
#include "model/txModAttnData.h"
#include "model/txTransmitPowData.h"
#include "tuning/PerFrequencyTransmitSession.h"
#include "tuning/TuningFamily.h"

#include <array>

namespace vantrel {

namespace {

// Transmit power at one level: 1 for high power, 2 for low. The session commits it itself,
// because the commit records the radio's verdict in the storage.
template <int Level>
class TransmitPowerTuning : public DataClassTuning<txTransmitPowData> {
public:
    void prepare(const radioStorage& storage, EnhancedZIRK& conn) override {
        data_.updateSpacingCode(storage);
        data_.setupTestMode(Level, conn, true, false);
    }
    void commit(std::uint32_t value, EnhancedZIRK& conn) override { data_.commitWrite(value, conn); }
};

// The balance is heard with the VCO attenuation (softpot 2) out of the way: every live value
// goes out between 2 := 0 and 2 := 127. The radio may not answer the last one while it is
// settling on the new balance; the value is in place by then, so that failure is let pass.
class ModulationBalanceTuning : public DataClassTuning<txModAttnData> {
public:
    void prepare(const radioStorage& storage, EnhancedZIRK& conn) override {
        const radiomodel model;
        const bool firstPlatform = model.isPortableA(storage) || model.isMobileA(storage) ||
                                   model.isPortableB(storage) || model.isMobileB(storage);
        data_.updateSpacingCode(storage);
        data_.setupTestMode(firstPlatform ? 0 : 1, conn);
    }
    void liveWrite(std::uint32_t value, EnhancedZIRK& conn) override {
        data_.liveWriteByte(kVcoSoftpot, 0, conn);
        data_.liveWrite(value, conn);
        try {
            data_.liveWriteByte(kVcoSoftpot, kVcoParked, conn);
        } catch (const Exception&) {
        }
    }
    void commit(std::uint32_t value, EnhancedZIRK& conn) override { data_.commitWrite(value, conn); }

private:
    static constexpr std::uint8_t kVcoSoftpot = 2;
    static constexpr std::uint32_t kVcoParked = 127;
};

// kind, command, class, title, caption, icon, softpot, keying, receive point, data, session, texts,
// capital mismatch, always in use, reports closing failure, shows unsent commit
const std::array<TuningFamily, 4> kFamilies{{
    {2, 11847, "TTransmitHighPowerWindow", "Transmit High Power", "Transmit High Power", true,
     SoftpotFamily::TransmitHighPower, Keying::PttToggle, 0, &makeTuningData<TransmitPowerTuning<1>>,
     &makeSession<TransmitPowerSession>,
     {"", "Program softpots aborted for Transmit High Power!! Illegal softpot value",
      "Please enter a valid Transmit High Power softpot value!!", "NOTE"},
     false, false, false, false},
    {3, 11849, "TTransmitLowPowerWindow", "Transmit Low Power", "Transmit Low Power", true,
     SoftpotFamily::TransmitLowPower, Keying::PttToggle, 0, &makeTuningData<TransmitPowerTuning<2>>,
     &makeSession<TransmitPowerSession>,
     {"Commit new softpot values? Softpot Value Range (0-127)",
      "Program softpots aborted for Transmit Low Power!! Illegal softpot value",
      "Please enter a valid Transmit Low Power softpot value!!", "NOTE"},
     false, false, false, false},
    {8, 11873, "TVCOAttnWindow", "VCO Attenuation", "VCO Attn. 25kHz", false, SoftpotFamily::VcoAttenuation25,
     Keying::PttToggle, 0, &vcoAttenuationData<1>, &makeSession<Vco25Session>,
     {"Commit new softpot values? Softpot Value Range(0-127)",
      "Program softpots aborted for VCO Attn.!! Illegal softpot value",
      "Please enter a valid VCO Attn. softpot value!!", "NOTE"},
     false, false, false, false},
    {5, 11860, "TModulationAttnWindow", "Modulation Attenuation", "Mod. Balance Attn.", true,
     SoftpotFamily::ModulationBalance, Keying::PttToggle, 0, &makeTuningData<ModulationBalanceTuning>,
     &makeSession<ModulationBalanceSession>,
     {"Commit new softpot values? Softpot Value Range (0-63)",
      "Program softpots aborted for Modulation Attn.!! Illegal softpot value",
      "Please enter a valid Modulation Attn. softpot value !!", "NOTE"},
     false, false, false, false},
}};

}  // namespace

std::span<const TuningFamily> perFrequencyTransmitFamilies() { return kFamilies; }

}  // namespace vantrel
