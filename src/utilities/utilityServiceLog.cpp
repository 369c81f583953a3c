#include "utilities/utilityServiceLog.h"

#include "files/serviceLog.h"

namespace vantrel {

void recordUtilityWrite(const radioStorage& storage, std::string_view action, std::string written, ServiceResult result,
                        std::string_view reason) {
    serviceRecord record = serviceRecordOf(storage, std::string(action), result);
    record.written = std::move(written);
    record.reason = std::string(reason);
    recordServiceChange(record);
}

}  // namespace vantrel
