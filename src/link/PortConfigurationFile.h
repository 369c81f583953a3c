#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace vantrel {

// "com.ini" in the configuration folder (see FileLocations.h): the COM port number the technician
// chose, as the text "COM Port Id :<n>" followed by a line feed and one blank. It is read afresh for
// every connection, so a choice made in the port dialog applies to the next radio action.
inline constexpr std::string_view kPortConfigurationFileName = "com.ini";
// Only the head of the file is looked at; whatever follows is ignored.
inline constexpr std::size_t kPortConfigurationReadLimit = 2000;
inline constexpr std::int32_t kPortNumberUnreadable = -1;

std::filesystem::path portConfigurationPath();

// The port number in the file's text: the single character after the first ':' and the
// blanks behind it, a digit giving its value and anything else 0 (so "12" reads as 1 and a
// stored "-1" as 0). Text without a ':' holds no number and yields kPortNumberUnreadable.
std::int32_t parsePortNumber(std::string_view text);
std::string formatPortNumber(std::int32_t number);

// Reads the port number from the file, or kPortNumberUnreadable when the file cannot be read
// or names no number.
std::int32_t readPortNumber();
std::int32_t readPortNumber(const std::filesystem::path& file);
// Creates or truncates the file with the number. A file that cannot be written is passed over
// in silence: the start-up check and the next connection notice it.
void writePortNumber(std::int32_t number);
void writePortNumber(const std::filesystem::path& file, std::int32_t number);

}  // namespace vantrel
