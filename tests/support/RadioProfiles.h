#pragma once

#include "sim/RadioProfile.h"

#include <filesystem>
#include <string>

namespace vantrel::testing {

// The folder of the simulated radios' profiles in the source tree.
inline std::filesystem::path radioProfileFolder() {
    return std::filesystem::path(VANTREL_SOURCE_DIR) / "src" / "sim" / "profiles";
}

// A profile by file name ("portable-v1.json").
inline std::filesystem::path radioProfilePath(const std::string& file) { return radioProfileFolder() / file; }

inline sim::RadioProfile simulatedRadio(const std::string& file) {
    return sim::loadRadioProfile(radioProfilePath(file));
}

}  // namespace vantrel::testing
