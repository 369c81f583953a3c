#pragma once

#include "sim/RadioProfile.h"

#include <filesystem>
#include <string>

namespace vantrel::testing {

// A simulated radio's profile from the source tree, by file name ("portable-v1.json").
inline sim::RadioProfile simulatedRadio(const std::string& file) {
    return sim::loadRadioProfile(std::filesystem::path(VANTREL_SOURCE_DIR) / "src" / "sim" / "profiles" / file);
}

}  // namespace vantrel::testing
