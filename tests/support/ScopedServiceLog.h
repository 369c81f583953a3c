#pragma once

#include "files/serviceLog.h"
#include "support/ScratchDirectory.h"

namespace vantrel::testing {

// The service log of a test: a file of its own, read back whole.
class ScopedServiceLog {
public:
    ScopedServiceLog() : previous_(serviceLog::setCurrentPath(path())) {}
    ~ScopedServiceLog() { serviceLog::setCurrentPath(previous_); }
    ScopedServiceLog(const ScopedServiceLog&) = delete;
    ScopedServiceLog& operator=(const ScopedServiceLog&) = delete;

    std::filesystem::path path() const { return scratch_ / serviceLog::kFileName; }
    std::vector<serviceRecord> records() const { return serviceLog(path()).read().records; }

private:
    ScratchDirectory scratch_;
    std::filesystem::path previous_;
};

}  // namespace vantrel::testing
