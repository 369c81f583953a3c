#pragma once

#include "tuning/TuningSession.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// A transmit screen with one value per frequency point F1..F7. The technician selects a point
// by touching its row and keys the transmitter there; touching another row while keyed dekeys
// first, so the transmitter is never left on the old point. Program walks the seven rows.
class PerFrequencyTransmitSession : public TuningSession {
public:
    PerFrequencyTransmitSession(const TuningFamily& family, const TuningContext& context);

    int selectedPoint() const { return selectedRow() + 1; }
    int keyedPoint() const { return keyedPoint_; }

protected:
    void prepareRadio(EnhancedZIRK& conn) override;
    void touchRow(int row, EnhancedZIRK& conn) override;
    void preparePoint(int row, EnhancedZIRK& conn) override;
    void applyKeyedValue(EnhancedZIRK& conn) override;
    void commitRows(const std::vector<std::string>& boxTexts, EnhancedZIRK& conn) override;

    // A point the screen refuses on its own before anything is sent for it; the commit goes on.
    virtual bool pointAccepted(int row, std::uint32_t value) const;
    // One used point of the commit: its value passed the checks and its channel is selected.
    virtual void commitPoint(int row, std::uint32_t value, EnhancedZIRK& conn) = 0;
    // After the last point, with what every box held (0 for an empty one).
    virtual void finishCommit(const std::vector<std::uint32_t>& values, EnhancedZIRK& conn);
    // The keyed-up text prepared when the radio opens on its first point.
    virtual const char* openingKeyedFormat() const;

    // Stores a committed value at the row's place and shows it in the default value field.
    void keepValue(int row, std::uint32_t value);
    void showDefault(int row, std::uint32_t value);

private:
    void prepareKeyedText(int row, const char* format);

    std::string keyedText_;
    int keyedPoint_ = 0;
    // The value last taken from a row: what key-up sends live.
    std::uint32_t lastTaken_ = 0;
};

// Transmit high and low power (softpot 0). A radio with softpot 28 refuses a commit above the
// limit it allows and says so through support code 27; a radio of the reduced-power portable
// model keeps its limit in the stored low power of the same point.
class TransmitPowerSession : public PerFrequencyTransmitSession {
public:
    TransmitPowerSession(const TuningFamily& family, const TuningContext& context);

protected:
    std::string commitPrompt() const override;
    bool pointAccepted(int row, std::uint32_t value) const override;
    void commitPoint(int row, std::uint32_t value, EnhancedZIRK& conn) override;

private:
    bool highPower() const;
    void showLimitMessage(int row, bool withTrailingSpace) const;
};

// VCO attenuation at 25 kHz (softpot 2). After the seven points the radio is asked for the
// single values it keeps for 12.5 and 20 kHz, so the storage shows what the commit left there.
class Vco25Session : public PerFrequencyTransmitSession {
public:
    using PerFrequencyTransmitSession::PerFrequencyTransmitSession;

protected:
    void commitPoint(int row, std::uint32_t value, EnhancedZIRK& conn) override;
    void finishCommit(const std::vector<std::uint32_t>& values, EnhancedZIRK& conn) override;
};

// Modulation balance (softpot 3), measured with the VCO attenuation parked; stored only after
// the last point.
class ModulationBalanceSession : public PerFrequencyTransmitSession {
public:
    using PerFrequencyTransmitSession::PerFrequencyTransmitSession;

protected:
    void commitPoint(int row, std::uint32_t value, EnhancedZIRK& conn) override;
    void finishCommit(const std::vector<std::uint32_t>& values, EnhancedZIRK& conn) override;
    const char* openingKeyedFormat() const override;
};

}  // namespace vantrel
