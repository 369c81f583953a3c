#include "link/ComStartupCheck.h"
#include "link/PortConfigurationFile.h"
#include "support/ScopedProgramDirectory.h"
#include "support/VirtualPortOpener.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantrel {
namespace {

class ComStartupCheckTest : public ::testing::Test {
protected:
    testing::ScopedProgramDirectory folder;
    testing::VirtualPortOpener opener;
    int dialogRuns = 0;
};

TEST_F(ComStartupCheckTest, ReadableFileSkipsTheDialogAndTouchesThePort) {
    writePortNumber(3);
    const ComStartupOutcome outcome = runComStartupCheck([&] { ++dialogRuns; });
    EXPECT_TRUE(outcome.proceed);
    EXPECT_EQ(outcome.portNumber, 3);
    EXPECT_EQ(dialogRuns, 0);
    EXPECT_EQ(opener.requested, std::vector<std::int32_t>{3});
    EXPECT_TRUE(opener.line.sentByHost().empty());  // the port is opened and closed, nothing sent
}

TEST_F(ComStartupCheckTest, MissingFileRunsTheDialogAndReadsAgain) {
    const ComStartupOutcome outcome = runComStartupCheck([&] {
        ++dialogRuns;
        writePortNumber(2);
    });
    EXPECT_TRUE(outcome.proceed);
    EXPECT_EQ(outcome.portNumber, 2);
    EXPECT_EQ(dialogRuns, 1);
    EXPECT_EQ(opener.requested, std::vector<std::int32_t>{2});
}

TEST_F(ComStartupCheckTest, FileStillMissingAfterTheDialogEndsTheProgram) {
    const ComStartupOutcome outcome = runComStartupCheck([&] { ++dialogRuns; });
    EXPECT_FALSE(outcome.proceed);
    EXPECT_EQ(dialogRuns, 1);
    EXPECT_TRUE(opener.requested.empty());
    EXPECT_EQ(ComStartupOutcome::kExitMessage, "COM.INI could not be created. Exiting Application");
    EXPECT_EQ(ComStartupOutcome::kExitCaption, "COM PORT INITIALIZATION ERROR");
    EXPECT_EQ(ComStartupOutcome::kExitStatus, -1);
}

TEST_F(ComStartupCheckTest, MinusOneFromTheDialogPassesAsPortZero) {
    const ComStartupOutcome outcome = runComStartupCheck([] { writePortNumber(-1); });
    EXPECT_TRUE(outcome.proceed);
    EXPECT_EQ(outcome.portNumber, 0);
}

TEST_F(ComStartupCheckTest, PortThatWillNotOpenIsNotReported) {
    writePortNumber(4);
    opener.refuse = true;
    const ComStartupOutcome outcome = runComStartupCheck({});
    EXPECT_TRUE(outcome.proceed);
    EXPECT_EQ(opener.requested, std::vector<std::int32_t>{4});
}

}  // namespace
}  // namespace vantrel
