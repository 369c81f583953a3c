#include "cli/CliCommand.h"
#include "support/SampleServiceRecord.h"
#include "support/ScopedServiceLog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vantrel {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class HistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        const serviceLog file(log.path());
        file.append(testing::sampleChange("781TKA0101", 1, 96, 101));
        file.append(testing::sampleChange("999XYZ0001", 2, 40, 44));
        std::ofstream(log.path(), std::ios::app) << "{\"time\":\"cut\n";
        file.append(testing::sampleChange("781TKA0101", 3, 98, 90));
    }
    int run(const std::vector<std::string>& arguments) {
        out.str("");
        err.str("");
        return cli::runCli(arguments, out, err);
    }
    testing::ScopedServiceLog log;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(HistoryTest, TabulatesOneRadiosChangesAndWarnsOfTheDamagedLine) {
    ASSERT_EQ(run({"history", "781TKA0101"}), 0);
    EXPECT_THAT(out.str(), HasSubstr("Time                  Serial      Family"));
    EXPECT_THAT(
        out.str(),
        HasSubstr("781TKA0101  Transmit High Power                 F1     138.000000       96     101  done\n"));
    EXPECT_THAT(out.str(), HasSubstr("F3     138.000000       98      90  done\n"));
    EXPECT_THAT(out.str(), Not(HasSubstr("999XYZ0001")));
    EXPECT_EQ(err.str(), "WARNING: service-log.jsonl line 3 is damaged and was skipped\n");
}

TEST_F(HistoryTest, JsonGivesTheLogLinesOfEveryRadio) {
    ASSERT_EQ(run({"history", "--json", "--service-log=" + log.path().string()}), 0);
    EXPECT_EQ(out.str(), encodeServiceRecord(testing::sampleChange("781TKA0101", 1, 96, 101)) + "\n" +
                             encodeServiceRecord(testing::sampleChange("999XYZ0001", 2, 40, 44)) + "\n" +
                             encodeServiceRecord(testing::sampleChange("781TKA0101", 3, 98, 90)) + "\n");
}

TEST_F(HistoryTest, RefusesWhatItCannotTake) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"history", "A", "B"}, {"history", "--port", "1"}, {"history", "--json=yes"}, {"history", "--colour"}}) {
        EXPECT_EQ(run(arguments), 2) << arguments.back();
        EXPECT_THAT(err.str(), HasSubstr("Usage: vantrel-cli history"));
    }
}

}  // namespace
}  // namespace vantrel
