#include "operations/programAllRecord.h"

#include "files/serviceLog.h"

namespace vantrel {

void recordProgramAll(const radioStorage& storage, ServiceResult result, std::string_view reason) {
    serviceRecord record = serviceRecordOf(storage, kProgramAllFamily, result);
    record.reason = std::string(reason);
    recordServiceChange(record);
}

}  // namespace vantrel
