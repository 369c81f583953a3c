#include "model/convertUtil.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(convertUtilTest, ReadsHexadecimalDigitsAfterLeadingZeros) {
    struct Case {
        const char* text;
        std::size_t length;
        std::uint32_t value;
    };
    const Case cases[] = {
        {"00A", 3, 10},
        {"1F", 2, 31},
        {"ff", 2, 255},
        {"0aff007b", 2, 0x0A},
        {"7B", 2, 0x7B},
        {"0000", 4, 0},
        {"", 2, 0},
        {"1F", 8, 31},  // never past the end
        {"A0", 1, 10},
        {"G1", 2, 1},
        {"9z", 2, 0x90},  // other characters count 0
        {"FFFFFFFF", 8, 0xFFFFFFFF},
        {"100000000", 9, 0},  // wraps, no overflow
    };
    const convertUtil convert;
    for (const Case& c : cases) EXPECT_EQ(convert.hexToInt(c.text, c.length), c.value) << c.text << "/" << c.length;
}

}  // namespace
}  // namespace vantrel
