#include "utilities/toneCodes.h"

#include <algorithm>

namespace vantrel {

namespace {

// Indexed by code.
constexpr std::array<std::string_view, 16> kTones{"234 Hz", "204 Hz", "174 Hz",  "144 Hz",  "115 Hz",  "86 Hz",
                                                  "57 Hz",  "28 Hz",  "1500 Hz", "1370 Hz", "1215 Hz", "1066 Hz",
                                                  "921 Hz", "781 Hz", "646 Hz",  "512 Hz"};

constexpr std::array<std::string_view, 16> kAscending{"28 Hz",   "57 Hz",   "86 Hz",   "115 Hz", "144 Hz", "174 Hz",
                                                      "204 Hz",  "234 Hz",  "512 Hz",  "646 Hz", "781 Hz", "921 Hz",
                                                      "1066 Hz", "1215 Hz", "1370 Hz", "1500 Hz"};

}  // namespace

std::string toneText(std::uint8_t code) { return code < kTones.size() ? std::string(kTones[code]) : std::string(); }

std::uint8_t toneCode(std::string_view text) {
    const auto it = std::find(kTones.begin(), kTones.end(), text);
    return it == kTones.end() ? kNoTone : static_cast<std::uint8_t>(it - kTones.begin());
}

const std::array<std::string_view, 16>& toneList() { return kAscending; }

}  // namespace vantrel
