#pragma once

#include "model/SoftpotCatalogue.h"
#include "model/rxRatedVolumeData.h"
#include "model/txPABiasHighVoltageData.h"
#include "model/txRefOscData.h"
#include "model/txSingleValueData.h"
#include "model/txVCOAttnData.h"
#include "operations/BlockWrite.h"

#include <cstdint>

namespace vantrel {

class EnhancedZIRK;
class ProgressSink;
class radioStorage;

// Writes every stored softpot back into the radio (Program All), family by family, each step
// on a connection of its own. The caller has checked the radio's serial number first.
// Nothing in the storage changes but support code 21, which the all-points writes record.
class radioProgramAll {
public:
    radioProgramAll(radioStorage& storage, ProgressSink& progress);

    // Any failure of the line or the protocol ends the run and propagates; what was
    // programmed before it stays programmed. The run is written to the service log, done or
    // failed, before this returns.
    void programAll();

private:
    void programEveryFamily();
    bool supported(int code) const;
    bool supported(SoftpotFamily family) const;
    bool secondProcedure() const;
    std::int32_t stored(SoftpotFamily family) const;

    // Every step opens its own connection, and only when it has something to send.
    allPointsWriteRule referenceOscillator();
    void transmitPower();
    void paVoltageLimit();
    void modulationBalance();
    void vcoAttenuation(const allPointsWriteRule& rule);
    void paBias();
    void commitWhenSupported(const txSingleValueData& data);
    void frontEndFilter(const allPointsWriteRule& rule);
    void autoSquelch(const allPointsWriteRule& rule);
    void ratedVolume();
    void rssiThresholds(const allPointsWriteRule& rule);
    void tempComp();
    void kAndM();
    void batteryThreshold();
    void sollenRatedVolume();
    void finish();

    // Sends the test mode a family is read in: the radio is programmed in the same state.
    void prepare(SoftpotFamily family, EnhancedZIRK& conn) const;
    BlockWritten block(SoftpotFamily family, EnhancedZIRK& conn, bool allPointsAllowed = true);

    radioStorage& storage_;
    ProgressSink& progress_;

    txRefOscData refOsc_;
    txVCOAttnData vcoAttn_;
    txPABiasHighVoltageData paBiasHigh_;
    txPABiasLowVoltageData paBiasLow_;
    txDTMFData dtmf_;
    txDalmorData dalmor_;
    txSelect5Data select5_;
    txMPT1200Data mpt1327_;
    txHSSData hss_;
    rxRatedVolumeData ratedVolume_;
};

}  // namespace vantrel
