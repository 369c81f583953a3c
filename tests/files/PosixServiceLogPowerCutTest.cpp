#include "files/serviceLog.h"
#include "support/SampleServiceRecord.h"
#include "support/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace vantrel {
namespace {

serviceRecord change(long long after) { return testing::sampleChange("781TKA0101", 1, 0, after); }

// A writer killed in the middle of its run, then the tail of the file lost as a power cut may
// lose it: every line but the last is whole, the reader names the damaged one, and the next
// writer carries on on a line of its own.
TEST(PosixServiceLogPowerCutTest, OnlyTheLastLineCanBeDamagedAndLoggingGoesOn) {
    testing::ScratchDirectory scratch;
    const serviceLog log(scratch / serviceLog::kFileName);
    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        for (long long n = 0;; ++n) log.append(change(n));
    }
    for (int wait = 0;
         wait < 2000 && (!std::filesystem::exists(log.path()) || std::filesystem::file_size(log.path()) < 20000);
         ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(writer, SIGKILL);
    int status = 0;
    waitpid(writer, &status, 0);

    const serviceLogContents killed = log.read();
    EXPECT_LE(killed.warnings.size(), 1u);
    ASSERT_GT(killed.records.size(), 10u);
    for (std::size_t i = 0; i < killed.records.size(); ++i)
        EXPECT_EQ(killed.records[i].after, static_cast<long long>(i));

    std::filesystem::resize_file(log.path(), std::filesystem::file_size(log.path()) - 7);
    const serviceLogContents cut = log.read();
    EXPECT_LE(cut.records.size(), killed.records.size());
    EXPECT_EQ(cut.records.back().after, static_cast<long long>(cut.records.size() - 1));
    ASSERT_EQ(cut.warnings.size(), 1u);
    EXPECT_EQ(cut.warnings[0],
              "service-log.jsonl line " + std::to_string(cut.records.size() + 1) + " is damaged and was skipped");

    ASSERT_TRUE(log.append(change(-1)));
    const serviceLogContents resumed = log.read();
    EXPECT_EQ(resumed.records.back().after, -1);
    EXPECT_EQ(resumed.warnings, cut.warnings);
}

}  // namespace
}  // namespace vantrel
