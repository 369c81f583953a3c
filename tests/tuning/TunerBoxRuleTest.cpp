#include "tuning/TunerBoxRule.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vantrel {
namespace {

TEST(TunerBoxRuleTest, ConvertsLeadingDigitsOnly) {
    const std::pair<std::string, std::uint32_t> cases[] = {
        {"", 0}, {"0", 0}, {"127", 127}, {"12.7", 12}, {".5", 0}, {"0099", 99}, {"999999999", 999999999}};
    for (const auto& [text, value] : cases) EXPECT_EQ(TunerBoxRule::convert(text), value) << text;
    EXPECT_EQ(TunerBoxRule::convert("5119", TunerBoxRule::kCommitReadLimit), 511u);
    EXPECT_EQ(TunerBoxRule::convert("99999999999999999999", 40), 0xFFFFFFFFu) << "saturates, never wraps";
}

TEST(TunerBoxRuleTest, EnterRefusesValuesOutsideTheRange) {
    const TunerBoxRule box(0, 127);
    EXPECT_EQ(box.enterRefusal(300), "Softpot Value (300) is not between 0 and 127");
    EXPECT_EQ(box.enterRefusal(127), std::nullopt);
    EXPECT_EQ(box.enterRefusal(0), std::nullopt);
    const TunerBoxRule squelch(1, 63);
    EXPECT_EQ(squelch.enterRefusal(0), "Softpot Value (0) is not between 1 and 63");
}

TEST(TunerBoxRuleTest, LeavingTheBoxClampsItsText) {
    const TunerBoxRule box(0, 31);
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"40", "31"}, {"", "0"}, {"31", std::nullopt}, {"7", std::nullopt}, {"5.", std::nullopt}};
    for (const auto& [text, after] : cases) EXPECT_EQ(box.textOnFocusLost(text), after) << text;
    EXPECT_EQ(TunerBoxRule(1, 63).textOnFocusLost("0"), "1");
}

TEST(TunerBoxRuleTest, AdmitsDigitsAndTheFullStop) {
    for (const char c : std::string("0123456789.")) EXPECT_TRUE(TunerBoxRule::admits(c)) << c;
    for (const char c : std::string("-+ ae,")) EXPECT_FALSE(TunerBoxRule::admits(c)) << c;
}

}  // namespace
}  // namespace vantrel
