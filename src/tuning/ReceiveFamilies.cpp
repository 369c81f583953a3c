#include "model/radiomodel.h"
#include "model/rxFEBPData.h"
#include "model/rxRSSIData.h"
#include "model/rxRatedVolumeData.h"
#include "tuning/ReceiveSessions.h"
#include "tuning/TuningFamily.h"

#include <array>

namespace vantrel {

namespace {

// The receive classes all commit their primary softpot in its width.
template <typename Data>
class ReceiveTuning : public DataClassTuning<Data> {
public:
    void commit(std::uint32_t value, EnhancedZIRK& conn) override { this->data_.commitWrite(value, conn); }
};

// Which 0: the carrier squelch environment; 1: Sollen.
template <int Which>
class RatedVolumeTuning : public ReceiveTuning<rxRatedVolumeData> {
public:
    void prepare(const radioStorage& storage, EnhancedZIRK& conn) override {
        this->data_.updateSpacingCode(storage);
        this->data_.setupTestMode(conn, Which);
    }
};

// Radios with an RSSI DAC keep the class's 25 kHz code here.
class FrontEndFilterTuning : public ReceiveTuning<rxFEBPData> {
public:
    void prepare(const radioStorage& storage, EnhancedZIRK& conn) override {
        if (!radiomodel().isMobileE2(storage)) data_.updateSpacingCode(storage);
        data_.setupTestMode(conn);
    }
};

// The A and B model groups take their thresholds at 12.5 kHz.
class RssiTuning : public ReceiveTuning<rxRSSIData> {
public:
    void prepare(const radioStorage& storage, EnhancedZIRK& conn) override {
        const radiomodel m;
        if (m.isMobileA(storage) || m.isPortableA(storage) || m.isMobileB(storage) || m.isPortableB(storage)) {
            data_.setupNarrowTestMode(conn);
        } else {
            data_.setupTestMode(conn);
        }
    }
};

constexpr CommitTexts kRatedVolumeTexts{"Commit new softpot value? Softpot Value Range(0-255)",
                                        "Program softpots aborted for Rated Volume!! Illegal softpot value",
                                        "Please enter a valid Rated Volume softpot value!!", "NOTE"};

// kind, command, class, title, caption, icon, softpot, keying, receive point, data, session, texts,
// capital mismatch, always in use, reports closing failure, shows unsent commit
const std::array<TuningFamily, 4> kFamilies{{
    {19, 11881, "TRatedVolumeWindow", "Rated Volume Tuning", "Rated Volume Tuning (Carrier Squelch environment)", true,
     SoftpotFamily::RatedVolume, Keying::None, 0, &makeTuningData<RatedVolumeTuning<0>>,
     &makeSession<RatedVolumeSession>, kRatedVolumeTexts, true, false, false, false},
    {38, 11882, "TRatedVolumeSollenWindow", "Rated Volume Tuning", "Rated Volume Tuning (Sollen environment)", true,
     SoftpotFamily::RatedVolumeSollen, Keying::None, 0, &makeTuningData<RatedVolumeTuning<1>>,
     &makeSession<RatedVolumeSession>, kRatedVolumeTexts, true, false, false, false},
    {15,
     11900,
     "TFrontEndFilterWindow",
     "Front End Filter",
     "Front End Filter",
     true,
     SoftpotFamily::FrontEndFilter,
     Keying::None,
     0,
     &makeTuningData<FrontEndFilterTuning>,
     &makeSession<FrontEndFilterSession>,
     {"Commit new softpot values?", "Program softpots aborted for Front End Filter!! Illegal softpot value",
      "Please enter a valid Front End Filter softpot value!!", "NOTE"},
     false,
     false,
     false,
     false},
    {20,
     11848,
     "TRSSIWindow",
     "RSSI Tuning",
     "RSSI Tuning",
     true,
     SoftpotFamily::RssiThresholds,
     Keying::None,
     0,
     &makeTuningData<RssiTuning>,
     &makeSession<RssiSession>,
     {"", "", "", "NOTE"},
     false,
     false,
     false,
     false},
}};

}  // namespace

std::span<const TuningFamily> receiveFamilies() { return kFamilies; }

}  // namespace vantrel
