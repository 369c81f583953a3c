#include "model/convertUtil.h"

#include <algorithm>

namespace vantrel {

namespace {

std::uint32_t digitValue(char c) {
    if (c >= 'A' && c <= 'F') return static_cast<std::uint32_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<std::uint32_t>(c - 'a' + 10);
    if (c >= '0' && c <= '9') return static_cast<std::uint32_t>(c - '0');
    return 0;
}

}  // namespace

std::uint32_t convertUtil::hexToInt(std::string_view text, std::size_t length) const {
    std::string_view digits = text.substr(0, std::min(length, text.size()));
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    std::uint32_t value = 0;
    for (const char c : digits) value = value * 16 + digitValue(c);
    return value;
}

}  // namespace vantrel
