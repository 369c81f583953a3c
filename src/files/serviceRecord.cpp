#include "files/serviceRecord.h"

#include "model/radioStorage.h"

#include <nlohmann/json.hpp>

#include <array>
#include <ctime>

namespace vantrel {

namespace {

using json = nlohmann::json;

constexpr std::array<const char*, 3> kResultNames{"done", "refused", "failed"};

std::string utcNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    gmtime_s(&parts, &now);
#else
    gmtime_r(&now, &parts);
#endif
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text.data();
}

// The storage keeps identity fields at their fixed width; the log shows the text.
std::string trimmed(const std::string& field) {
    const auto end = field.find_last_not_of(std::string(" \0", 2));
    return end == std::string::npos ? std::string() : field.substr(0, end + 1);
}

template <typename T>
void putOptional(json& object, const char* key, const std::optional<T>& value) {
    if (value) object[key] = *value;
}

template <typename T>
bool takeOptional(const json& object, const char* key, std::optional<T>& value) {
    if (!object.contains(key)) return true;
    const json& field = object.at(key);
    if constexpr (std::is_floating_point_v<T>) {
        if (!field.is_number()) return false;
    } else if (!field.is_number_integer()) {
        return false;
    }
    value = field.get<T>();
    return true;
}

}  // namespace

serviceRecord serviceRecordOf(const radioStorage& storage, std::string family, ServiceResult result) {
    serviceRecord record;
    record.time = utcNow();
    record.serial = trimmed(storage.serialNumber());
    record.model = trimmed(storage.modelNumber());
    record.family = std::move(family);
    record.result = result;
    return record;
}

const char* resultName(ServiceResult result) { return kResultNames.at(static_cast<std::size_t>(result)); }

std::optional<ServiceResult> resultOfName(const std::string& name) {
    for (std::size_t i = 0; i < kResultNames.size(); ++i) {
        if (name == kResultNames[i]) return static_cast<ServiceResult>(i);
    }
    return std::nullopt;
}

std::string encodeServiceRecord(const serviceRecord& record) {
    json object = {{"time", record.time},
                   {"serial", record.serial},
                   {"model", record.model},
                   {"family", record.family},
                   {"kind", record.kind}};
    putOptional(object, "point", record.point);
    putOptional(object, "frequency", record.frequency);
    putOptional(object, "before", record.before);
    putOptional(object, "after", record.after);
    if (!record.written.empty()) object["written"] = record.written;
    object["result"] = resultName(record.result);
    if (!record.reason.empty()) object["reason"] = record.reason;
    // Identity fields may hold bytes that are not UTF-8; they are replaced, never a reason to
    // lose the line.
    return object.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::optional<serviceRecord> decodeServiceRecord(const std::string& line) {
    const json object = json::parse(line, nullptr, false);
    if (object.is_discarded() || !object.is_object()) return std::nullopt;
    const auto text = [&](const char* key, std::string& into) {
        if (!object.contains(key) || !object.at(key).is_string()) return false;
        into = object.at(key).get<std::string>();
        return true;
    };
    serviceRecord record;
    std::string result;
    if (!text("time", record.time) || !text("serial", record.serial) || !text("model", record.model) ||
        !text("family", record.family) || !text("result", result)) {
        return std::nullopt;
    }
    const auto parsed = resultOfName(result);
    if (!parsed || !object.contains("kind") || !object.at("kind").is_number_integer()) return std::nullopt;
    record.result = *parsed;
    record.kind = object.at("kind").get<int>();
    if (!takeOptional(object, "point", record.point) || !takeOptional(object, "frequency", record.frequency) ||
        !takeOptional(object, "before", record.before) || !takeOptional(object, "after", record.after)) {
        return std::nullopt;
    }
    if (object.contains("reason") && !text("reason", record.reason)) return std::nullopt;
    if (object.contains("written") && !text("written", record.written)) return std::nullopt;
    return record;
}

}  // namespace vantrel
