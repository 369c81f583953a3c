#pragma once

#include "link/ProgramDirectory.h"
#include "support/ScratchDirectory.h"

#include <filesystem>

namespace vantrel::testing {

// A fresh, empty program folder for the life of a test; the usual one is restored afterwards.
class ScopedProgramDirectory {
public:
    ScopedProgramDirectory() { setProgramDirectory(folder_.path()); }
    ~ScopedProgramDirectory() { setProgramDirectory({}); }
    ScopedProgramDirectory(const ScopedProgramDirectory&) = delete;
    ScopedProgramDirectory& operator=(const ScopedProgramDirectory&) = delete;

    const std::filesystem::path& path() const { return folder_.path(); }

private:
    ScratchDirectory folder_{"program"};
};

}  // namespace vantrel::testing
