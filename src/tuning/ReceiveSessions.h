#pragma once

#include "tuning/TuningSession.h"

#include <string>
#include <vector>

namespace vantrel {

// The rated volume in the carrier squelch or the Sollen environment: one receive point, every
// value sent live, the commit sent without selecting the point again.
class RatedVolumeSession : public TuningSession {
public:
    using TuningSession::TuningSession;
    // The value fields show the stored value whatever the plan.
    std::string workingText(int row) const override;

protected:
    std::vector<TuningRow> layOutRows() override;
    void prepareRadio(EnhancedZIRK& conn) override;
    void preparePoint(int row, EnhancedZIRK& conn) override;
    void commitRows(const std::vector<std::string>& boxTexts, EnhancedZIRK& conn) override;
    bool commitRow(int row, std::string_view boxText, EnhancedZIRK& conn) override;
    void completeDisplay() override;

private:
    bool carrierSquelch() const;
};

// The front end filter at each receive point. Radios with an RSSI DAC (the mobile E2) show its
// calibration reading, taken again after every value change.
class FrontEndFilterSession : public TuningSession {
public:
    FrontEndFilterSession(const TuningFamily& family, const TuningContext& context);

    std::string rangeNote() const override;
    bool showsRssiDac() const { return rssiDac_; }
    const std::string& rssiDacText() const { return rssiDacText_; }

protected:
    std::vector<TuningRow> layOutRows() override;
    void prepareRadio(EnhancedZIRK& conn) override;
    void touchRow(int row, EnhancedZIRK& conn) override;
    void applyValue(int row, EnhancedZIRK& conn) override;
    void commitRows(const std::vector<std::string>& boxTexts, EnhancedZIRK& conn) override;
    void completeDisplay() override;

private:
    bool rssiDac_;
    std::string rssiDacText_;
};

// The RSSI thresholds: no value controls; each threshold's Update button makes the radio take
// the signal now on its input as that threshold, and the screen shows what the radio then reports.
class RssiSession : public TuningSession {
public:
    struct Threshold {
        std::string level;  // in -dBm
        std::string softpot;
    };

    using TuningSession::TuningSession;

    // Update button of threshold n (1..3).
    void update(int threshold);
    const std::vector<Threshold>& thresholds() const { return thresholds_; }

protected:
    std::vector<TuningRow> layOutRows() override;
    void prepareRadio(EnhancedZIRK& conn) override;
    void completeDisplay() override;

private:
    std::vector<Threshold> thresholds_;
};

}  // namespace vantrel
