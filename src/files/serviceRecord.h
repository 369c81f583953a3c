#pragma once

#include <optional>
#include <string>

namespace vantrel {

class radioStorage;

// How a change to a radio ended.
enum class ServiceResult { Done, Refused, Failed };

// One change made to a radio, as one line of the service log: which radio, which family and
// point, the value before and after, and how it ended. Fields that do not apply (a Program All
// has no point) are left out of the line.
struct serviceRecord {
    std::string time;  // UTC, "YYYY-MM-DDTHH:MM:SSZ"
    std::string serial;
    std::string model;
    std::string family;  // the screen's caption, or the name of the radio action
    int kind = 0;        // the screen's kind; 0 for actions that are not screens
    std::optional<int> point;
    std::optional<double> frequency;  // MHz
    std::optional<long long> before;
    std::optional<long long> after;
    // What was written when it is no softpot number: a serial number, temperature compensation
    // bytes in hexadecimal.
    std::string written;
    ServiceResult result = ServiceResult::Done;
    std::string reason;  // why it was refused or failed, as the technician was told

    bool operator==(const serviceRecord&) const = default;
};

// A record of the radio in the storage, stamped now.
serviceRecord serviceRecordOf(const radioStorage& storage, std::string family, ServiceResult result);

const char* resultName(ServiceResult result);
std::optional<ServiceResult> resultOfName(const std::string& name);

// One JSON object, without the line end. The time of day comes from the record, so a line can
// be compared with another apart from its time.
std::string encodeServiceRecord(const serviceRecord& record);
// Nothing when the text is not a whole record (a line cut short by a power cut, say).
std::optional<serviceRecord> decodeServiceRecord(const std::string& line);

}  // namespace vantrel
