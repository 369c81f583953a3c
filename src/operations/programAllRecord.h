#pragma once

#include "files/serviceRecord.h"

#include <string_view>

namespace vantrel {

class radioStorage;

inline constexpr const char* kProgramAllFamily = "Program All";

// One service-log line for a Program All of the radio in the storage. It writes every family
// at once, so the line names no point and no values.
void recordProgramAll(const radioStorage& storage, ServiceResult result, std::string_view reason = {});

}  // namespace vantrel
