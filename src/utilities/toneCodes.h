#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

// The baseband offsets are 4-bit codes, each standing for a tone frequency.
inline constexpr std::uint8_t kNoTone = 255;

// "1500 Hz" for 8; an empty text for kNoTone or any other code outside 0..15.
std::string toneText(std::uint8_t code);
// The code of a tone text; kNoTone for a text not in the table.
std::uint8_t toneCode(std::string_view text);
// The sixteen texts in ascending frequency, as every drop-down list offers them.
const std::array<std::string_view, 16>& toneList();

}  // namespace vantrel
