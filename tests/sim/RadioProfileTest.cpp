#include "SimFixture.h"

#include "model/radiomodel.h"
#include "support/ScratchDirectory.h"

#include <fstream>
#include <map>
#include <set>

namespace vantrel::sim::testing {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> shippedProfiles() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(vantrel::testing::radioProfileFolder())) {
        if (entry.path().extension() == ".json") files.push_back(entry.path());
    }
    return files;
}

TEST(RadioProfile, EveryShippedProfileLoadsAndTheRequiredKindsAreThere) {
    std::map<std::string, RadioProfile> profiles;
    for (const fs::path& file : shippedProfiles()) {
        SCOPED_TRACE(file.string());
        ASSERT_NO_THROW(profiles.emplace(file.filename().string(), loadRadioProfile(file)));
    }
    const RadioProfile& portable = profiles.at("portable-v1.json");
    EXPECT_EQ(portable.plan.tuningProcedureVersion, 1);
    EXPECT_TRUE(portable.allPointsRead && portable.allPointsWrite);
    EXPECT_FALSE(profiles.at("portable-v1-per-point.json").allPointsRead);
    EXPECT_FALSE(profiles.at("portable-v1-per-point.json").allPointsWrite);
    EXPECT_EQ(profiles.at("mobile-v2.json").plan.tuningProcedureVersion, 2);
    EXPECT_TRUE(profiles.at("mobile-bbo-radio.json").basebandOffsets.has_value());
    EXPECT_FALSE(profiles.at("mobile-bbo-codeplug.json").basebandOffsets.has_value());

    // The low-band mobile is the version 2 mobile with its own identity and plan.
    const RadioProfile& lowBand = profiles.at("mobile-v2-low-band.json");
    const double baseMHz = lowBand.plan.bandBase * 0.025;
    EXPECT_GT(baseMHz, 29.7);
    EXPECT_LT(baseMHz, 50.0);
    EXPECT_EQ(lowBand.softpots.size(), profiles.at("mobile-v2.json").softpots.size());
    EXPECT_NE(lowBand.identity.serialNumber, profiles.at("mobile-v2.json").identity.serialNumber);

    std::set<std::string> serials;
    for (const auto& [name, profile] : profiles) serials.insert(profile.identity.serialNumber);
    EXPECT_EQ(serials.size(), profiles.size()) << "every simulated radio has a serial number of its own";
}

// Every model test of the model pattern table is true for some profile and false for another.
TEST(RadioProfile, ProfilesCoverEveryModelTest) {
    std::vector<RadioProfile> profiles;
    for (const fs::path& file : shippedProfiles()) profiles.push_back(loadRadioProfile(file));
    const auto covered = [&](auto predicate) {
        std::size_t yes = 0;
        for (const RadioProfile& p : profiles) yes += predicate(p) ? 1 : 0;
        return yes > 0 && yes < profiles.size();
    };
    for (const ModelPattern& pattern : modelPatternTable().patterns) {
        EXPECT_TRUE(covered([&](const RadioProfile& p) {
            return matchesModelTest(pattern.test, p.identity.modelNumber);
        })) << "model test "
            << static_cast<int>(pattern.test);
    }
    for (ModelList list : {ModelList::A, ModelList::B, ModelList::C}) {
        EXPECT_TRUE(covered([&](const RadioProfile& p) { return inModelList(list, p.identity.modelNumber); }));
    }
    EXPECT_TRUE(covered([](const RadioProfile& p) { return containsModelList(ModelList::D, p.identity.modelNumber); }));
    EXPECT_TRUE(covered([](const RadioProfile& p) { return p.identity.icVersion[1] == modelPatternTable().icMarker; }));
    const auto position3 = [](char letter) {
        return [letter](const RadioProfile& p) { return p.identity.modelNumber[3] == letter; };
    };
    EXPECT_TRUE(covered(position3(modelPatternTable().secondPosition3Letter)));
    EXPECT_TRUE(covered(
        [](const RadioProfile& p) { return p.identity.modelNumber.starts_with(modelPatternTable().basebandPrefix); }));
    EXPECT_TRUE(matchesModelTest(ModelTest::SinglePointModel,
                                 loadRadioProfile(radioProfilePath("mobile-single-point.json")).identity.modelNumber));
    EXPECT_TRUE(matchesModelTest(ModelTest::BasebandVariant,
                                 loadRadioProfile(radioProfilePath("mobile-bbo-codeplug.json")).identity.modelNumber));
}

// A small valid profile; each case below breaks one item of it.
const std::string kProfile = R"({
  "identity": {"modelNumber": "H25K416CA1AB120 ", "serialNumber": "0123456789", "icVersion": [1, 2, 3, 4]},
  "frequencyPlan": {"bandBase": 5480, "channelSpacingMask": 7, "transmit": [200, 0, 0, 0, 0, 0, 0],
                    "receive": [180, 0, 0, 0, 0, 0, 0], "tuningProcedureVersion": 1},
  "softpots": [SOFTPOT],
  "memory": {"size": 16, "contents": [MEMORY]}
})";

std::string profileWith(const std::string& softpot, const std::string& memory = "") {
    std::string text = kProfile;
    text.replace(text.find("SOFTPOT"), 7, softpot);
    text.replace(text.find("MEMORY"), 6, memory);
    return text;
}

std::string errorOf(const std::string& text) {
    try {
        parseRadioProfile(text);
    } catch (const ProfileError& e) {
        return e.what();
    }
    return "(accepted)";
}

TEST(RadioProfile, AGoodProfileReadsAsWritten) {
    const RadioProfile p = parseRadioProfile(profileWith(
        R"({"number": 7, "side": "receive", "bankBy": "spacing", "banks": {"default": [1,2,3,4,5,6,7], "0": null},
            "autoTune": [9,9,9,9,9,9,9], "allPointsWrite": false})",
        R"({"address": "0x000E", "hex": "AB cd"})"));
    ASSERT_EQ(p.softpots.size(), 1u);
    const SoftpotProfile& s = p.softpots[0];
    EXPECT_EQ(s.side, PointSide::Receive);
    EXPECT_EQ(s.bankBy, BankKey::Spacing);
    EXPECT_EQ(s.banks.at(SoftpotProfile::kDefaultBank).at(6), 7u);
    EXPECT_TRUE(s.banks.at(0).empty());
    EXPECT_EQ(s.allPointsWrite, false);
    EXPECT_FALSE(s.allPointsRead.has_value());
    EXPECT_EQ(p.memory.contents.at(0).bytes, (Bytes{0xAB, 0xCD}));
    EXPECT_EQ(p.memory.fill, 0xFF);
    EXPECT_EQ(p.identity.powerUpStatus, 0);
}

TEST(RadioProfile, BadProfilesAreRefusedWithAMessageThatSaysWhere) {
    EXPECT_NE(errorOf("{\"identity\": ").find("not valid JSON"), std::string::npos);
    EXPECT_EQ(errorOf("[1, 2]"), "profile: expected an object");
    const std::string one = R"({"number": 3, "values": [1]})";
    struct Case {
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases{
        {profileWith(R"({"number": 3, "side": "transmit", "values": [1, 2, 3]})"),
         "profile.softpots[0].values: expected 7 items"},
        {profileWith(R"({"number": 3, "values": [256]})"),
         "profile.softpots[0].values[0]: expected a whole number from 0 to 255"},
        {profileWith(R"({"number": 3, "values": [1], "colour": "red"})"), "profile.softpots[0]: unknown item 'colour'"},
        {profileWith(R"({"number": 3, "banks": {"default": [1]}})"), "profile.softpots[0]: 'banks' needs 'bankBy'"},
        {profileWith(R"({"number": 3, "bankBy": "level", "banks": {"high": [1]}})"),
         "profile.softpots[0].banks.high: a bank is named \"default\" or by a test-mode byte 0 to 255"},
        {profileWith(R"({"number": 3, "side": "up", "values": [1]})"),
         "profile.softpots[0].side: expected one of none, transmit, receive"},
        {profileWith(one + ", " + one), "profile.softpots[1]: softpot number listed twice"},
        {profileWith(one, R"({"address": 15, "hex": "01 02"})"),
         "profile.memory.contents[0]: lies beyond the memory size"},
        {profileWith(one, R"({"address": 0, "hex": "012"})"),
         "profile.memory.contents[0].hex: expected pairs of hexadecimal digits"},
        {profileWith(one, R"({"address": -1, "hex": "01"})"),
         "profile.memory.contents[0].address: expected a whole number from 0 to 16777216"},
    };
    for (const Case& c : cases) EXPECT_EQ(errorOf(c.text), c.message);

    std::string shortModel = profileWith(one);
    shortModel.replace(shortModel.find("H25K416CA1AB120 "), 16, "H25K");
    EXPECT_EQ(errorOf(shortModel), "profile.identity.modelNumber: expected a text of exactly 16 characters");
    std::string noPlan = profileWith(one);
    noPlan.replace(noPlan.find("\"frequencyPlan\""), 15, "\"plan\"");
    EXPECT_EQ(errorOf(noPlan), "profile: unknown item 'plan'");
    std::string badFault = profileWith(one);
    badFault.insert(1, R"("faults": [{"kind": "explode"}],)");
    EXPECT_EQ(errorOf(badFault), "profile.faults[0].kind: unknown fault kind");
}

class ProfileFiles : public ::testing::Test {
protected:
    fs::path write(const std::string& name, const std::string& text) {
        std::ofstream(folder / name) << text;
        return folder / name;
    }
    static std::string fileErrorOf(const fs::path& file) {
        try {
            loadRadioProfile(file);
        } catch (const ProfileError& e) {
            return e.what();
        }
        return "(accepted)";
    }
    vantrel::testing::ScratchDirectory scratch{"sim-profiles"};
    const fs::path& folder = scratch.path();
};

TEST_F(ProfileFiles, FileErrorsNameTheFile) {
    const fs::path missing = folder / "missing.json";
    EXPECT_EQ(fileErrorOf(missing), missing.string() + ": no readable radio profile there");
    EXPECT_EQ(fileErrorOf(folder), folder.string() + ": no readable radio profile there");
    const fs::path empty = write("empty.json", "");
    EXPECT_NE(fileErrorOf(empty).find(empty.string() + ": not valid JSON"), std::string::npos);
    const fs::path loop = write("loop.json", R"({"basedOn": "loop.json"})");
    EXPECT_EQ(fileErrorOf(loop), loop.string() + ": profile.basedOn: chain of profiles too long");
    EXPECT_EQ(fileErrorOf(write("orphan.json", R"({"basedOn": "nowhere.json"})")),
              (folder / "nowhere.json").string() + ": no readable radio profile there");
    EXPECT_EQ(errorOf(std::string(R"({"basedOn": "x.json"})")),
              "profile.basedOn: only a profile file can be based on another");
}

TEST_F(ProfileFiles, ABasedOnProfileReplacesTheItemsItGives) {
    write("base.json", profileWith(R"({"number": 3, "values": [1]})"));
    const RadioProfile p = loadRadioProfile(write("variant.json", R"({"basedOn": "base.json", "allPointsRead": false,
            "identity": {"modelNumber": "M42K540DA1AB120 ", "serialNumber": "9999999999", "icVersion": [9, 9, 9, 9]}})"));
    EXPECT_EQ(p.identity.modelNumber, "M42K540DA1AB120 ");
    EXPECT_FALSE(p.allPointsRead);
    EXPECT_EQ(p.plan.transmit[0], 200);
    ASSERT_EQ(p.softpots.size(), 1u);
    EXPECT_EQ(p.softpots[0].number, 3);
}

}  // namespace
}  // namespace vantrel::sim::testing
