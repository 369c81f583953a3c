#pragma once

#include "files/serviceRecord.h"

#include "tuning/TuningSession.h"

#include <string>

namespace vantrel {

// The battery threshold: the radio measures its threshold itself at the supply voltage the
// technician has set, and Program keeps the measurement when it lies near the value the
// screen opened with.
class BatteryThresholdSession : public TuningSession {
public:
    using TuningSession::TuningSession;

    // Program: measure and commit (the box texts play no part).
    void program(const std::vector<std::string>& boxTexts) override;
    const std::string& targetText() const { return targetText_; }
    const std::string& thresholdText() const { return thresholdText_; }

protected:
    std::vector<TuningRow> layOutRows() override { return {}; }
    void logThreshold(std::uint32_t measured, ServiceResult result, std::string_view reason);
    void prepareRadio(EnhancedZIRK& conn) override;
    void completeDisplay() override;

private:
    std::string targetText_;
    std::string thresholdText_;
    std::int32_t reference_ = 0;
};

// DAC 1 and DAC 2, the two power control values the K and M tuning measures at. They are set
// live through softpot 0 while keyed, and stored as they go: there is no Program.
class DacSession : public TuningSession {
public:
    using TuningSession::TuningSession;

protected:
    std::vector<TuningRow> layOutRows() override;
    void prepareRadio(EnhancedZIRK& conn) override;
    void touchRow(int row, EnhancedZIRK& conn) override;
    void preparePoint(int, EnhancedZIRK&) override {}
    void applyValue(int row, EnhancedZIRK& conn) override;
    void applyKeyedValue(EnhancedZIRK& conn) override;
    double keyedFrequency() const override { return keyedFrequencyMHz_; }
    void completeDisplay() override;
    void closeRadio(EnhancedZIRK& conn) override;

private:
    double keyedFrequencyMHz_ = 0;
};

}  // namespace vantrel
