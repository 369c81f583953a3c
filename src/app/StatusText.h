#pragma once

#include <string>

namespace vantrel {

class radioStorage;

// What the status bar says when no radio image is present.
inline constexpr const char* kStartStatusText = "No archive file or radio is currently loaded or connected";

// The identity of the image in memory: "Radio Serial No :<serial>", 95 blanks, then
// "Radio Model No: <model>".
std::string identityStatusText(const radioStorage& storage);

}  // namespace vantrel
