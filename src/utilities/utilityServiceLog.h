#pragma once

#include "files/serviceRecord.h"

#include <string>
#include <string_view>

namespace vantrel {

class radioStorage;

// One service-log line for a write of a radio utility (serial number, temperature
// compensation, baseband offsets) to the radio in the storage: what it wrote, and how it ended.
void recordUtilityWrite(const radioStorage& storage, std::string_view action, std::string written, ServiceResult result,
                        std::string_view reason = {});

}  // namespace vantrel
