#include "tuning/KMPowerArithmetic.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace vantrel {

namespace {
constexpr std::uint32_t kMScale = 2500;
constexpr float kKScale = 25.0f;
constexpr float kKScaleMobileE = 6.25f;
constexpr float kKCentre = 128.0f;
constexpr std::size_t kReadingLimit = 19;

// A value in 0..255 once truncated toward zero, as the radio takes it.
bool truncatesIntoByte(float v) { return v > -1.0f && v < 256.0f; }
}  // namespace

KMScale kmScale(bool mobileE) { return {kMScale, mobileE ? kKScaleMobileE : kKScale, mobileE}; }

PredictedPowers predictedPowers(std::uint32_t k, std::uint32_t m, std::int32_t dac1, std::int32_t dac2,
                                const KMScale& scale) {
    float kf = static_cast<float>(k);
    if (!scale.mobileE) kf -= kKCentre;
    const float s = static_cast<float>(m) / static_cast<float>(scale.a);
    const float d1 = static_cast<float>(dac1);
    const float r1 = scale.mobileE ? kf / scale.b - d1 * s : kf / scale.b + d1 * s;
    const float p1 = r1 * r1;
    const float span = static_cast<float>(dac1 - dac2);
    const float r2 = scale.mobileE ? std::sqrt(p1) + s * span : std::sqrt(p1) - s * span;
    return {p1, r2 * r2};
}

std::optional<KMPair> kmFromReadings(float p1, float p2, std::int32_t dac1, std::int32_t dac2, const KMScale& scale) {
    if (!(p1 >= 0.0f && p2 >= 0.0f) || !std::isfinite(p1) || !std::isfinite(p2)) return std::nullopt;
    const float root1 = std::sqrt(p1);
    const float rise = root1 - std::sqrt(p2);
    const float run = static_cast<float>(dac1 - dac2);
    float slope = 0.0f;
    if (run != 0.0f) {
        slope = rise / run;
    } else if (rise != 0.0f) {
        return std::nullopt;
    }
    if (scale.mobileE) slope = -slope;
    const float d1 = static_cast<float>(dac1);
    const float m = static_cast<float>(scale.a) * slope + 0.5f;
    const float k = scale.mobileE ? (d1 * slope + root1) * scale.b + 0.5f : (root1 - d1 * slope) * scale.b + kKCentre;
    if (!truncatesIntoByte(m) || !truncatesIntoByte(k)) return std::nullopt;
    return KMPair{static_cast<int>(k), static_cast<int>(m)};
}

float powerReading(std::string_view text) {
    text = text.substr(0, kReadingLimit);
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    if (at < text.size() && text[at] == '+') ++at;
    double value = 0;
    const std::errc error = std::from_chars(text.data() + at, text.data() + text.size(), value).ec;
    if (error == std::errc::result_out_of_range || std::fabs(value) > std::numeric_limits<float>::max()) {
        return std::numeric_limits<float>::quiet_NaN();
    }
    return static_cast<float>(value);
}

}  // namespace vantrel
