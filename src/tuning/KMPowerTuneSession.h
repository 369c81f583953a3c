#pragma once

#include "tuning/KMPowerArithmetic.h"
#include "tuning/TuningScreenActions.h"
#include "tuning/TuningSession.h"

#include <array>
#include <string>

namespace vantrel {

// The mobile power tuning by K and M. The technician keys each point at the two power control
// values DAC 1 and DAC 2 and types the watts measured into the point's Power 1 and Power 2
// boxes; Program turns each pair of readings into K and M. There are no sliders: the box with
// the keyboard focus chooses the point and the DAC value sent live, and failures and another
// radio on the line are told in the status field.
class KMPowerTuneSession : public TuningSession, public TuningMeasure {
public:
    enum class PowerColumn { Power1, Power2 };
    struct PowerBox {
        int point = 1;  // 1..7
        PowerColumn column = PowerColumn::Power1;
    };

    KMPowerTuneSession(const TuningFamily& family, const TuningContext& context);

    // A power box took the keyboard focus.
    void focusBox(PowerBox box);
    // Program with the fourteen box texts: Power 1 and Power 2 of F1, then of F2, and so on.
    void program(const std::vector<std::string>& boxTexts) override;

    // What a box shows: after the display setup the power the stored K and M predict, then what
    // was typed into it.
    const std::string& powerText(PowerBox box) const;
    void typePower(PowerBox box, std::string text);
    std::vector<std::string> boxTexts() const override;
    // The point's stored K and M and the two DAC values it is keyed at.
    std::vector<TuningReading> measure(int row) override;
    PowerBox focusedBox() const { return focused_; }
    const KMScale& scale() const { return scale_; }
    static std::size_t boxIndex(PowerBox box);

protected:
    std::vector<TuningRow> layOutRows() override;
    void prepareRadio(EnhancedZIRK& conn) override;
    void applyKeyedValue(EnhancedZIRK& conn) override;
    double keyedFrequency() const override { return keyedFrequencyMHz_; }
    void completeDisplay() override;
    void handleMismatch() override;
    void reportFailure() override;

private:
    std::uint32_t liveValue() const;
    std::optional<std::array<KMPair, 7>> pairsFrom(const std::vector<std::string>& boxTexts) const;
    void commitPairs(const std::array<KMPair, 7>& pairs, EnhancedZIRK& conn);

    KMScale scale_;
    std::int32_t dac1_ = 0;
    std::int32_t dac2_ = 0;
    PowerBox focused_;
    PowerBox keyedBox_;
    double keyedFrequencyMHz_ = 0;
    std::array<std::string, 14> powerTexts_;
};

}  // namespace vantrel
