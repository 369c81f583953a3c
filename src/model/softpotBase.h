#pragma once

#include "model/SoftpotCatalogue.h"

#include <cstdint>
#include <optional>

namespace vantrel {

class EnhancedZIRK;
class radioStorage;

// What every softpot data class shares: the spacing code sent with its test modes, and the
// request forms of its primary family (the one whose softpot it sets live and commits).
// A data class holds no state between uses: construct one, use it, drop it.
class softpotBase {
public:
    // 25 kHz until the class is told the radio's spacing.
    static constexpr std::uint8_t kDefaultSpacingCode = 2;

    const SoftpotFamilyRow& family() const { return *family_; }
    std::uint8_t spacingCode() const { return spacingCode_; }
    void updateSpacingCode(const radioStorage& storage);
    // The radio leaves its test mode when it is reset; there is nothing to send.
    void endTestMode() {}

    // The primary family's softpot in its width: set live (mode 2) or committed (mode 1).
    void liveWrite(std::uint32_t value, EnhancedZIRK& conn) const;
    void commitWrite(std::uint32_t value, EnhancedZIRK& conn) const;
    // The one-byte writes of any softpot (PA bias 20 and 27, the parked VCO attenuation, ...).
    void liveWriteByte(std::uint8_t softpot, std::uint32_t value, EnhancedZIRK& conn) const;
    void commitByte(std::uint8_t softpot, std::uint32_t value, EnhancedZIRK& conn) const;

    // Tunes the radio to a channel: transmit and receive values in 5 kHz steps.
    void selectPoint(std::uint16_t transmit, std::uint16_t receive, EnhancedZIRK& conn) const;
    // Tunes the radio to frequency point n (1..7) as the primary family does: its own half of
    // the point and the partner value for the other.
    void selectFrequencyPoint(int n, const radioStorage& storage, EnhancedZIRK& conn) const;

    // Reads the primary family into its storage place (see readFamily).
    void readInto(radioStorage& storage, EnhancedZIRK& conn) const { read(family().family, storage, conn); }

    // Lets the radio find the primary family's value itself; returns what it reports (the
    // support flag says whether it could).
    std::uint32_t autoTune(radioStorage& storage, EnhancedZIRK& conn) const;

protected:
    explicit softpotBase(SoftpotFamily primary) : family_(&catalogueRow(primary)) {}
    ~softpotBase() = default;
    softpotBase(const softpotBase&) = default;
    softpotBase& operator=(const softpotBase&) = default;

    void setSpacingCode(std::uint8_t code) { spacingCode_ = code; }
    // A value of any family in that family's width.
    void write(SoftpotFamily family, WriteMode mode, std::uint32_t value, EnhancedZIRK& conn) const;
    void sendTestMode(std::uint8_t function, std::uint8_t level, std::uint8_t spacing, EnhancedZIRK& conn) const;
    // The paired test mode of the transmit and squelch families: function 0 for the "first"
    // half, 1 for the "second", each followed by the closing function when there is one.
    void sendPairedTestMode(bool first, bool second, std::uint8_t level, std::uint8_t spacing,
                            std::optional<std::uint8_t> closing, EnhancedZIRK& conn) const;
    // The VCO and squelch screens name a channel spacing 1, 2, 3 for 25, 20, 12.5 kHz; the
    // radio wants the code 2, 1, 0. Anything else has no code.
    static std::optional<std::uint8_t> codeForSpacing(int spacing);
    void read(SoftpotFamily family, radioStorage& storage, EnhancedZIRK& conn) const;

private:
    const SoftpotFamilyRow* family_;
    std::uint8_t spacingCode_ = kDefaultSpacingCode;
};

}  // namespace vantrel
