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

// docs/model-patterns.md is where radio profiles take their model numbers from; its example
// table must say what the code does.
using Check = std::function<bool(const radioStorage&)>;

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

TEST(ModelPatternDocTest, ExampleModelNumbersSayWhatTheCodeDoes) {
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
        radioStorage storage;
        storage.setModelNumber(number);
        for (const std::string& name : claimed) EXPECT_TRUE(checks().count(name)) << "unknown test " << name;
        for (const auto& [name, check] : checks()) {
            EXPECT_EQ(check(storage), claimed.count(name) == 1) << name << " on \"" << number << '"';
        }
        ++rows;
    }
    EXPECT_GE(rows, 40);
}

}  // namespace
}  // namespace vantrel
