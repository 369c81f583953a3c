#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantrel {

// The arithmetic of the mobile power tuning, in single precision as the radio's K and M are
// defined. At each point the radio's power is a straight line in the square root of the
// watts over the power control value: M is its slope (scaled by A), K its intercept (scaled
// by B; centred on 128 outside the mobile E family, whose slope also runs the other way).
struct KMScale {
    std::uint32_t a;  // M = A x slope
    float b;          // K = B x intercept
    bool mobileE;
};
KMScale kmScale(bool mobileE);

// What the stored K and M of a point predict at DAC 1 and DAC 2, in watts.
struct PredictedPowers {
    float p1;
    float p2;
};
PredictedPowers predictedPowers(std::uint32_t k, std::uint32_t m, std::int32_t dac1, std::int32_t dac2,
                                const KMScale& scale);

struct KMPair {
    int k;
    int m;
    std::uint32_t softpotValue() const { return static_cast<std::uint32_t>(k) * 256 + static_cast<std::uint32_t>(m); }
};
// K and M from the powers measured at DAC 1 and DAC 2; nothing when they give no pair in
// 0..255 each. Readings that define no line are refused too: a negative or non-finite reading,
// and different readings at equal DAC values. Equal readings at equal DAC values (two empty
// boxes, for one) are a flat line.
std::optional<KMPair> kmFromReadings(float p1, float p2, std::int32_t dac1, std::int32_t dac2, const KMScale& scale);

// A power box's text as a reading: its leading decimal number (at most 19 characters are
// read; nothing numeric gives 0), in single precision. A number out of range reads as NaN, so
// that it is refused rather than taken as 0.
float powerReading(std::string_view text);

}  // namespace vantrel
