#include "model/radiomodel.h"

#include "model/radioStorage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace vantrel {
namespace {

using Check = std::function<bool(const radioStorage&)>;

// Every model test by the name docs/model-patterns.md uses for it.
const std::map<std::string, Check>& checks() {
    static const radiomodel m;
    static const std::map<std::string, Check> all = {
        {"isPortableA", [](const radioStorage& s) { return m.isPortableA(s); }},
        {"isMobileA", [](const radioStorage& s) { return m.isMobileA(s); }},
        {"isPortableB", [](const radioStorage& s) { return m.isPortableB(s); }},
        {"isMobileB", [](const radioStorage& s) { return m.isMobileB(s); }},
        {"isPortableC", [](const radioStorage& s) { return m.isPortableC(s); }},
        {"isMobileC", [](const radioStorage& s) { return m.isMobileC(s); }},
        {"isPortableD", [](const radioStorage& s) { return m.isPortableD(s); }},
        {"isMobileD", [](const radioStorage& s) { return m.isMobileD(s); }},
        {"isPortableE", [](const radioStorage& s) { return m.isPortableE(s); }},
        {"isMobileE", [](const radioStorage& s) { return m.isMobileE(s); }},
        {"isPortableE2", [](const radioStorage& s) { return m.isPortableE2(s); }},
        {"isMobileE2", [](const radioStorage& s) { return m.isMobileE2(s); }},
        {"isMobileE3", [](const radioStorage& s) { return m.isMobileE3(s); }},
        {"isMobileE4", [](const radioStorage& s) { return m.isMobileE4(s); }},
        {"isPortableG", [](const radioStorage& s) { return m.isPortableG(s); }},
        {"isPortableG2", [](const radioStorage& s) { return m.isPortableG2(s); }},
        {"isSollenCapable", [](const radioStorage& s) { return m.isSollenCapable(s); }},
        {"isSinglePointModel", [](const radioStorage& s) { return m.isSinglePointModel(s); }},
        {"isBasebandVariant", [](const radioStorage& s) { return m.isBasebandVariant(s); }},
        {"inModelListA", [](const radioStorage& s) { return m.inModelListA(s); }},
        {"inModelListB", [](const radioStorage& s) { return m.inModelListB(s); }},
        {"inModelListC", [](const radioStorage& s) { return m.inModelListC(s); }},
        {"containsModelListD", [](const radioStorage& s) { return m.containsModelListD(s); }},
        {"high band", [](const radioStorage& s) { return m.hasHighBandLetter(s); }},
        {"second position-3 letter", [](const radioStorage& s) { return m.hasSecondPosition3Letter(s); }},
        {"baseband prefix", [](const radioStorage& s) { return m.basebandOffset(s) != 0; }},
    };
    return all;
}

radioStorage withModel(const std::string& model) {
    radioStorage storage;
    storage.setModelNumber(model);
    return storage;
}

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "isMobileE, isMobileE4, high band" or "(none): a note" -> the names.
std::set<std::string> namesIn(const std::string& cell) {
    std::set<std::string> names;
    if (cell.starts_with("(none)")) return names;
    std::stringstream list(cell);
    std::string name;
    while (std::getline(list, name, ',')) names.insert(trim(name));
    return names;
}

// Radio profiles take their model numbers from the example table of docs/model-patterns.md,
// which therefore must say, for every test, exactly what the code does.
TEST(radiomodelTest, DocumentedExamplesHoldExactlyTheirTests) {
    std::ifstream doc(std::string(VANTREL_SOURCE_DIR) + "/docs/model-patterns.md");
    ASSERT_TRUE(doc) << "docs/model-patterns.md is missing";

    bool inExamples = false;
    int rows = 0;
    std::string line;
    while (std::getline(doc, line)) {
        if (line.starts_with("## ")) inExamples = line == "## Example model numbers";
        if (!inExamples || !line.starts_with("| `")) continue;

        const auto close = line.find('`', 3);
        ASSERT_NE(close, std::string::npos) << line;
        const std::string number = line.substr(3, close - 3);
        const auto cellStart = line.find('|', close) + 1;
        const std::set<std::string> claimed = namesIn(trim(line.substr(cellStart, line.rfind('|') - cellStart)));

        EXPECT_EQ(number.size(), 16u) << '"' << number << '"';
        for (const std::string& name : claimed) EXPECT_TRUE(checks().count(name)) << "unknown test " << name;
        const radioStorage storage = withModel(number);
        for (const auto& [name, check] : checks()) {
            EXPECT_EQ(check(storage), claimed.count(name) == 1) << name << " on \"" << number << '"';
        }
        ++rows;
    }
    EXPECT_GE(rows, 40);
}

// Near misses of models that hold: one character off, its case, another prefix, a model number
// that ends before the position a test reads.
TEST(radiomodelTest, NearMissesDoNotMatch) {
    const std::pair<const char*, const char*> misses[] = {
        {"isPortableA", "H21"},
        {"isMobileA", "LBM21K440DA1BN0 "},
        {"isMobileA", "XAM21K440DA1BN0 "},
        {"isMobileA", "LA M21K440DA1BN"},
        {"isMobileA", "LAM21"},
        {"isMobileB", "M23r440DA1BN01A "},
        {"isMobileD", "EXM27S440DA1BN0 "},
        {"isPortableE", "H4"},
        {"isPortableE2", "H46K516CA1BN01A "},
        {"isPortableE2", "H42K"},
        {"isMobileE2", "M42f440DA1BN01A "},
        {"isMobileE3", "M42g440DA1BN01A "},
        {"isMobileE4", "M42K440KA1BN01A "},
        {"isMobileE4", "M42K440D"},
        {"isPortableG2", "M46K440DW1BN01A "},
        {"isSollenCapable", "H42n316CA1BN01A "},
        {"isSollenCapable", "NUL"},
        {"isSinglePointModel", "M36K01"},
        {"isSinglePointModel", "LAM36K012CA1BN0 "},
        {"isBasebandVariant", "M48K440DB1BN01A "},
        {"isBasebandVariant", "M48K440D"},
        {"inModelListA", " H31K116CA1BN01A"},
        {"inModelListA", "H31K116CA"},
        {"inModelListB", "LAH35K216CA1BN0 "},
        {"containsModelListD", "M38K440D"},
    };
    for (const auto& [name, number] : misses) {
        EXPECT_FALSE(checks().at(name)(withModel(number))) << name << " on \"" << number << '"';
    }

    // What a test reads ends where its pattern ends; nothing behind it matters.
    const std::pair<const char*, const char*> shortHolds[] = {
        {"isMobileA", "LAM21K"},           {"isPortableE", "H42"},         {"isPortableE2", "H42K5"},
        {"isSinglePointModel", "M36K012"}, {"inModelListA", "H33R116CA1"}, {"isSollenCapable", "XXXN"},
    };
    for (const auto& [name, number] : shortHolds) {
        EXPECT_TRUE(checks().at(name)(withModel(number))) << name << " on \"" << number << '"';
    }
}

TEST(radiomodelTest, DefaultAndEmptyIdentityMatchNothing) {
    const radioStorage fresh;
    const radioStorage empty = withModel("");
    for (const auto& [name, check] : checks()) {
        EXPECT_FALSE(check(fresh)) << name;
        EXPECT_FALSE(check(empty)) << name;
    }
    EXPECT_FALSE(radiomodel().hasIcMarker(fresh));
}

TEST(radiomodelTest, ListDIsFoundAtEveryStartPosition) {
    const radiomodel model;
    const std::string member = "M38R425DA1";
    for (std::size_t start = 0; start <= 6; ++start) {
        std::string number(16, '#');
        number.replace(start, member.size(), member);
        EXPECT_TRUE(model.containsModelListD(withModel(number))) << "start " << start;
    }
    // Cut off by the end of a 16-character model number, but found there in a longer one.
    std::string cut(16, '#');
    cut.replace(7, 9, member.substr(0, 9));
    EXPECT_FALSE(model.containsModelListD(withModel(cut)));
    EXPECT_TRUE(model.containsModelListD(withModel(cut + "1")));
}

TEST(radiomodelTest, IcMarkerIsByteOneOfTheIcVersion) {
    const radiomodel model;
    radioStorage storage;
    const std::pair<std::string, bool> cases[] = {
        {std::string("\x01\xFE\x02\x03", 4), true},
        {std::string("\x00\xFE", 2), true},
        {std::string("\xFE\x01\x02\x03", 4), false},
        {std::string("\xFE", 1), false},
    };
    for (const auto& [ic, marked] : cases) {
        storage.setIcVersion(ic);
        EXPECT_EQ(model.hasIcMarker(storage), marked);
    }
}

TEST(radiomodelTest, BasebandPrefixShiftsTheModelCodeByTwo) {
    const radiomodel model;
    EXPECT_EQ(model.basebandOffset(withModel("EXM48K440DA1BN0 ")), 2u);
    EXPECT_EQ(model.basebandOffset(withModel("EZM48K440DA1BN0 ")), 0u);
    EXPECT_EQ(model.basebandOffset(withModel("E")), 0u);
    EXPECT_TRUE(model.isPortableFormFactor(withModel("EXH42K316CA1BN0 "), 2));
    EXPECT_FALSE(model.isPortableFormFactor(withModel("EXM48K440DA1BN0 "), 2));
    EXPECT_FALSE(model.isPortableFormFactor(withModel("EX"), 2));
}

}  // namespace
}  // namespace vantrel
