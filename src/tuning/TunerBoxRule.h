#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// The rules of the working value box of every tuning screen, without the widget: how its text
// becomes a number, what Enter accepts and what leaving the box writes back. The desktop box and
// the command line apply the same rules.
class TunerBoxRule {
public:
    // The box reads at most this many characters when a key goes down.
    static constexpr std::size_t kKeyReadLimit = 9;
    // Commits read at most this many, as the box holds no more.
    static constexpr std::size_t kCommitReadLimit = 3;

    TunerBoxRule(std::uint32_t minimum, std::uint32_t maximum) : minimum_(minimum), maximum_(maximum) {}

    std::uint32_t minimum() const { return minimum_; }
    std::uint32_t maximum() const { return maximum_; }
    void setMinimum(std::uint32_t minimum) { minimum_ = minimum; }

    // Leading digits as a decimal number, the rest ignored; no digits give 0. A number too
    // large for the box saturates rather than wrapping into range.
    static std::uint32_t convert(std::string_view text, std::size_t limit = kKeyReadLimit);
    // The characters the box lets through.
    static bool admits(char c) { return (c >= '0' && c <= '9') || c == '.'; }

    // Enter: nothing when the value is in range, else the message the box shows.
    std::optional<std::string> enterRefusal(std::uint32_t value) const;
    // Leaving the box: the text it shows afterwards (empty or below the minimum becomes the
    // minimum, above the maximum the maximum), or nothing when the text stays.
    std::optional<std::string> textOnFocusLost(std::string_view text) const;

private:
    std::uint32_t minimum_;
    std::uint32_t maximum_;
};

}  // namespace vantrel
