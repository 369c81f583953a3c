#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vantrel {

// Hexadecimal digit strings as the temperature compensation window takes them.
class convertUtil {
public:
    // The value of the first `length` characters of `text` (never beyond its end) read as
    // hexadecimal digits, most significant first, after leading '0' characters. A-F and a-f
    // count 10 to 15, a decimal digit its value, any other character 0. Wraps modulo 2^32.
    std::uint32_t hexToInt(std::string_view text, std::size_t length) const;
};

}  // namespace vantrel
