#include "files/serviceLog.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <string>
#include <system_error>

namespace vantrel::testing {
namespace {

// Commits and Program All runs of tests that do not look at the service log write to a file
// of the test run's own, never into the program folder of the build.
class ServiceLogEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        path_ = std::filesystem::temp_directory_path() /
                ("vantrel-tests-" + std::to_string(::getpid()) + "-service-log.jsonl");
        serviceLog::setCurrentPath(path_);
    }
    void TearDown() override {
        serviceLog::setCurrentPath({});
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }

private:
    std::filesystem::path path_;
};

[[maybe_unused]] ::testing::Environment* const kRegistered =
    ::testing::AddGlobalTestEnvironment(new ServiceLogEnvironment);

}  // namespace
}  // namespace vantrel::testing
