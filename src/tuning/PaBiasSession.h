#pragma once

#include "tuning/TuningSession.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// The quantities of a PA bias screen, in the order the technician is led through them.
enum class BiasQuantity { Voltage, Bias1, Bias2, Bias3 };
inline constexpr int kBiasQuantities = 4;

// One quantity's controls: a toggle button, a working box with its up-down and (the biases)
// a default field.
struct BiasControl {
    BiasQuantity quantity = BiasQuantity::Voltage;
    std::uint8_t softpot = 0;
    bool present = false;           // a quantity the radio lacks has no controls at all
    std::uint32_t range = 0;        // the up-down's top
    std::uint32_t maximum = 0;      // what the commit accepts
    std::uint32_t position = 0;     // the up-down, and the number in the working box
    std::string defaultText;        // the stored value; none for the voltage
    bool toggleEnabled = false;
    bool tuning = false;            // the working box and up-down are enabled
};

// The PA bias screens: the technician takes one quantity at a time into "tuning" with its
// toggle, which first drives all the bias softpots (and, for the voltage, the voltage) to 0,
// raises it while watching the current drawn, and freezes it with the toggle again. Program
// commits the biases; the voltage is never kept.
class PaBiasSession : public TuningSession {
public:
    PaBiasSession(const TuningFamily& family, const TuningContext& context);

    void setupDisplay() override;
    std::string rangeNote() const override;
    // The second note line of the wide-range screens; empty elsewhere.
    std::string rangeNoteSecondLine() const;

    const std::array<BiasControl, kBiasQuantities>& controls() const { return controls_; }
    const BiasControl& control(BiasQuantity q) const { return controls_[static_cast<std::size_t>(q)]; }
    bool done(BiasQuantity q) const { return done_[static_cast<std::size_t>(q)]; }

    void toggle(BiasQuantity q);
    // The up-down's end of scroll, or Enter in the working box, while the quantity tunes.
    void changeValue(BiasQuantity q, std::uint32_t position);

protected:
    // Bias 1 only, as the low-power screens tune it.
    bool lowPower() const;
    void commitRows(const std::vector<std::string>& boxTexts, EnhancedZIRK& conn) override;
    std::vector<TuningRow> layOutRows() override { return {}; }
    // Whether the screen has a voltage row when the radio has softpot 6 there.
    virtual bool offersVoltage() const;

private:
    BiasControl& controlOf(BiasQuantity q) { return controls_[static_cast<std::size_t>(q)]; }
    void startTuning(BiasQuantity q);
    void stopTuning(BiasQuantity q);
    bool commitBias(BiasQuantity q, std::string_view text, EnhancedZIRK& conn);
    int storageEntry(BiasQuantity q) const;

    std::array<BiasControl, kBiasQuantities> controls_;
    std::array<bool, kBiasQuantities> done_{};
};

// The high-power screen: test mode, or on the E mobiles the transmitter keyed at a fixed
// frequency until the screen closes.
class PaBiasHighSession : public PaBiasSession {
public:
    using PaBiasSession::PaBiasSession;

protected:
    void prepareRadio(EnhancedZIRK& conn) override;
};

// The high-power biases with the receiver running, prepared per model.
class PaBiasRxModeSession : public PaBiasSession {
public:
    using PaBiasSession::PaBiasSession;

protected:
    void prepareRadio(EnhancedZIRK& conn) override;
};

// The low-power screen: Bias 1 and the voltage, in test mode.
class PaBiasLowSession : public PaBiasSession {
public:
    using PaBiasSession::PaBiasSession;

protected:
    void prepareRadio(EnhancedZIRK& conn) override;
};

// The default screens, opened when the radio draws too much current: no voltage row, the radio
// dekeyed and reset rather than prepared, and a reminder of the supply voltage at the end.
class PaBiasDefaultSession : public PaBiasSession {
public:
    using PaBiasSession::PaBiasSession;

protected:
    void prepareRadio(EnhancedZIRK& conn) override;
    void closeRadio(EnhancedZIRK& conn) override;
    bool offersVoltage() const override { return false; }
};

// The channel of a fixed frequency in hertz, in 5 kHz steps above the band base, worked out in
// unsigned 32-bit arithmetic as the radio expects it.
std::uint16_t fixedChannel(std::uint32_t frequencyHz, std::uint32_t bandBase);

}  // namespace vantrel
