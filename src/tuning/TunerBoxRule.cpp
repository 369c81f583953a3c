#include "tuning/TunerBoxRule.h"

#include "files/formatText.h"

#include <limits>

namespace vantrel {

std::uint32_t TunerBoxRule::convert(std::string_view text, std::size_t limit) {
    constexpr std::uint64_t kCeiling = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t value = 0;
    for (const char c : text.substr(0, limit)) {
        if (c < '0' || c > '9') break;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > kCeiling) return static_cast<std::uint32_t>(kCeiling);
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<std::string> TunerBoxRule::enterRefusal(std::uint32_t value) const {
    if (value >= minimum_ && value <= maximum_) return std::nullopt;
    return formatText("Softpot Value (%d) is not between", static_cast<int>(value)) +
           formatText(" %d and ", static_cast<int>(minimum_)) + std::to_string(maximum_);
}

std::optional<std::string> TunerBoxRule::textOnFocusLost(std::string_view text) const {
    const std::uint32_t value = convert(text);
    if (text.empty() || value < minimum_) return formatText("%d", static_cast<int>(minimum_));
    if (value > maximum_) return formatText("%d", static_cast<int>(maximum_));
    return std::nullopt;
}

}  // namespace vantrel
