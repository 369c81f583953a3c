#include "model/radiomodel.h"

#include "model/radioStorage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

using Predicate = bool (radiomodel::*)(const radioStorage&) const;

radioStorage withModel(const std::string& model) {
    radioStorage storage;
    storage.setModelNumber(model);
    return storage;
}

struct PredicateCase {
    const char* name;
    Predicate test;
    std::vector<std::string> holds;
    std::vector<std::string> fails;
};

// Chosen so that each failing model differs from a holding one in the one detail that matters:
// the form factor, one pattern character, its case, the prefix, a missing position.
const std::vector<PredicateCase>& predicateCases() {
    static const std::vector<PredicateCase> cases = {
        {"isPortableA", &radiomodel::isPortableA, {"H21K416CA1BN01A "},
         {"M21K440DA1BN01A ", "H21R416CA1BN01A ", "H12K416CA1BN01A ", "LAH21K416CA1BN0 ", "H21"}},
        {"isMobileA", &radiomodel::isMobileA, {"M21K440DA1BN01A ", "LAM21K440DA1BN0 ", "LAM21K"},
         {"H21K416CA1BN01A ", "LBM21K440DA1BN0 ", "XAM21K440DA1BN0 ", "LAM21R440DA1BN0 ", "LA M21K440DA1BN", "LAM21"}},
        {"isPortableB", &radiomodel::isPortableB, {"H23R416CA1BN01A "}, {"H23K416CA1BN01A ", "M23R440DA1BN01A "}},
        {"isMobileB", &radiomodel::isMobileB, {"M23R440DA1BN01A ", "LAM23R440DA1BN0 "},
         {"M23K440DA1BN01A ", "LAH23R416CA1BN0 ", "M23r440DA1BN01A "}},
        {"isPortableC", &radiomodel::isPortableC, {"H25K416CA1BN01A "}, {"H25R416CA1BN01A ", "M25K440DA1BN01A "}},
        {"isMobileC", &radiomodel::isMobileC, {"M25K440DA1BN01A ", "LAM25K440DA1BN0 "},
         {"M25S440DA1BN01A ", "H25K416CA1BN01A ", "LAM25S440DA1BN0 "}},
        {"isPortableD", &radiomodel::isPortableD, {"H27S416CA1BN01A "}, {"H27R416CA1BN01A ", "M27S440DA1BN01A "}},
        {"isMobileD", &radiomodel::isMobileD, {"M27S440DA1BN01A ", "LAM27S440DA1BN0 "},
         {"M27K440DA1BN01A ", "H27S416CA1BN01A ", "EXM27S440DA1BN0 "}},
        {"isPortableE", &radiomodel::isPortableE, {"H42K316CA1BN01A ", "H42R516CA1BN01A ", "H42"},
         {"M42K440DA1BN01A ", "H43K316CA1BN01A ", "H4"}},
        {"isMobileE", &radiomodel::isMobileE, {"M42K440DA1BN01A ", "M42F440DA1BN01A "},
         {"H42K316CA1BN01A ", "LAM42K440DA1BN0 ", "M24K440DA1BN01A "}},
        {"isPortableE2", &radiomodel::isPortableE2, {"H42R516CA1BN01A ", "H42K5"},
         {"H42K316CA1BN01A ", "H46K516CA1BN01A ", "M42K540DA1BN01A ", "H42K"}},
        {"isMobileE2", &radiomodel::isMobileE2, {"M42F440DA1BN01A "},
         {"M42G440DA1BN01A ", "H42F316CA1BN01A ", "M46F440DA1BN01A ", "M42f440DA1BN01A "}},
        {"isMobileE3", &radiomodel::isMobileE3, {"M42G440DA1BN01A "},
         {"M42F440DA1BN01A ", "H42G316CA1BN01A ", "M42g440DA1BN01A "}},
        {"isMobileE4", &radiomodel::isMobileE4, {"M42R440DK1BN01A ", "M42K440DK1BN01A "},
         {"M42K440DA1BN01A ", "H42K316CK1BN01A ", "M42K440KA1BN01A ", "M42K440D"}},
        {"isPortableG", &radiomodel::isPortableG, {"H46K316CA1BN01A "}, {"M46K440DA1BN01A ", "H64K316CA1BN01A "}},
        {"isPortableG2", &radiomodel::isPortableG2, {"H46K316CW1BN01A "},
         {"H46K316CA1BN01A ", "H42K316CW1BN01A ", "M46K440DW1BN01A "}},
        {"isSollenCapable", &radiomodel::isSollenCapable, {"H42N316CA1BN01A ", "M21N440DA1BN01A ", "XXXN"},
         {"H42K316CA1BN01A ", "H42n316CA1BN01A ", "N42K316CA1BN01A ", "H42Q316CA1BN01A ", "NUL"}},
        {"isSinglePointModel", &radiomodel::isSinglePointModel, {"M36K012CA1BN01A ", "M36K012"},
         {"M36K013CA1BN01A ", "H36K012CA1BN01A ", "M36R012CA1BN01A ", "M36K01", "LAM36K012CA1BN0 "}},
        {"isBasebandVariant", &radiomodel::isBasebandVariant,
         {"M48K440DA1BN01A ", "H48K316EK1BN01A ", "M48R440DP1BN01A "},
         {"M48K440FA1BN01A ", "M48K440DB1BN01A ", "M84K440DA1BN01A ", "EXM48K440DA1BN0 ", "M48K440D"}},
        {"inModelListA", &radiomodel::inModelListA, {"H31K116CA1BN01A ", "H33R116CA1", "H31S116CB1      "},
         {"H31K116CA2BN01A ", " H31K116CA1BN01A", "H31K116CA", "H35K216CA1BN01A "}},
        {"inModelListB", &radiomodel::inModelListB, {"H35K216CA1BN01A ", "H35R208CA1BN01A "},
         {"H31K116CA1BN01A ", "H35K216CA3BN01A ", "LAH35K216CA1BN0 "}},
        {"inModelListC", &radiomodel::inModelListC, {"M37K140DA1BN01A ", "M37R125DA1BN01A "},
         {"M37K140DC1BN01A ", "LAM37K140DA1BN0 ", "M38K440DA1BN01A "}},
        {"containsModelListD", &radiomodel::containsModelListD, {"M38K440DA1BN01A ", "LAM38R440DK1BN0 "},
         {"M38K440DA2BN01A ", "M37K140DA1BN01A ", "M38K440D"}},
    };
    return cases;
}

TEST(radiomodelTest, EveryPredicateHoldsAndFailsOnItsModels) {
    const radiomodel model;
    for (const PredicateCase& c : predicateCases()) {
        for (const std::string& number : c.holds) {
            EXPECT_TRUE((model.*c.test)(withModel(number))) << c.name << " on \"" << number << '"';
        }
        for (const std::string& number : c.fails) {
            EXPECT_FALSE((model.*c.test)(withModel(number))) << c.name << " on \"" << number << '"';
        }
    }
}

TEST(radiomodelTest, DefaultIdentityMatchesNothing) {
    const radiomodel model;
    const radioStorage fresh;
    for (const PredicateCase& c : predicateCases()) EXPECT_FALSE((model.*c.test)(fresh)) << c.name;
    EXPECT_FALSE(model.hasIcMarker(fresh));
    const radioStorage empty = withModel("");
    for (const PredicateCase& c : predicateCases()) EXPECT_FALSE((model.*c.test)(empty)) << c.name;
}

TEST(radiomodelTest, ListDIsFoundAtEveryStartPosition) {
    const radiomodel model;
    const std::string member = "M38R425DA1";
    for (std::size_t start = 0; start <= 6; ++start) {
        std::string number(16, '#');
        number.replace(start, member.size(), member);
        EXPECT_TRUE(model.containsModelListD(withModel(number))) << "start " << start;
    }
    // Cut off by the end of a 16-character model number...
    std::string cut(16, '#');
    cut.replace(7, 9, member.substr(0, 9));
    EXPECT_FALSE(model.containsModelListD(withModel(cut)));
    // ...but found there in a longer one, and never in one shorter than a member.
    EXPECT_TRUE(model.containsModelListD(withModel(cut + "1")));
    EXPECT_FALSE(model.containsModelListD(withModel("M38R425DA")));
}

TEST(radiomodelTest, IcMarkerIsByteOneOfTheIcVersion) {
    const radiomodel model;
    radioStorage storage;
    storage.setIcVersion(std::string("\x01\xFE\x02\x03", 4));
    EXPECT_TRUE(model.hasIcMarker(storage));
    storage.setIcVersion(std::string("\xFE\x01\x02\x03", 4));
    EXPECT_FALSE(model.hasIcMarker(storage));
    storage.setIcVersion(std::string("\x00\xFE", 2));
    EXPECT_TRUE(model.hasIcMarker(storage));
    storage.setIcVersion(std::string("\xFE", 1));
    EXPECT_FALSE(model.hasIcMarker(storage));
}

TEST(radiomodelTest, TableEntriesReadDirectlyByOtherCommands) {
    const radiomodel model;
    EXPECT_TRUE(model.hasSecondPosition3Letter(withModel("H42Q316CA1BN01A ")));
    EXPECT_FALSE(model.hasSecondPosition3Letter(withModel("H42N316CA1BN01A ")));
    EXPECT_FALSE(model.hasSecondPosition3Letter(withModel("HQ")));

    EXPECT_TRUE(model.hasHighBandLetter(withModel("M42R440DK1BN01A ")));
    EXPECT_TRUE(model.hasHighBandLetter(withModel("M42S440DK1BN01A ")));
    EXPECT_FALSE(model.hasHighBandLetter(withModel("M42K440DK1BN01A ")));

    EXPECT_EQ(model.basebandOffset(withModel("EXM48K440DA1BN0 ")), 2u);
    EXPECT_EQ(model.basebandOffset(withModel("M48K440DA1BN01A ")), 0u);
    EXPECT_EQ(model.basebandOffset(withModel("EZM48K440DA1BN0 ")), 0u);
    EXPECT_EQ(model.basebandOffset(withModel("E")), 0u);

    EXPECT_TRUE(model.isPortableFormFactor(withModel("H42K316CA1BN01A ")));
    EXPECT_FALSE(model.isPortableFormFactor(withModel("M42K440DA1BN01A ")));
    EXPECT_TRUE(model.isPortableFormFactor(withModel("EXH42K316CA1BN0 "), 2));
    EXPECT_FALSE(model.isPortableFormFactor(withModel("EX"), 2));
}

}  // namespace
}  // namespace vantrel
