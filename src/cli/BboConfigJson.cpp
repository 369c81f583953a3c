#include "cli/BboConfigJson.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>

namespace vantrel::cli {

namespace {

using json = nlohmann::ordered_json;

bool plainText(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string trimmed(const std::string& name) { return name.substr(0, name.find_last_not_of(' ') + 1); }

json recordJson(const BboConfigEntry& entry) {
    const BboConfigRecord& r = entry.record;
    json parameters = json::array();
    for (const BboParameter& p : entry.parameters) {
        parameters.push_back({{"name", trimmed(p.name)}, {"offset", p.offset}, {"mask", p.mask}});
    }
    return {{"record", r.recordNumber},       {"model", r.modelCode},    {"system", std::string(1, r.systemLetter)},
            {"probeAddress", r.probeAddress}, {"probeLow", r.probeLow},  {"probeHigh", r.probeHigh},
            {"tableAddress", r.tableAddress}, {"parameters", parameters}};
}

template <typename T>
T field(const json& object, const char* name) {
    if (!object.contains(name)) throw BboConfigError(std::string("the description has no \"") + name + "\"");
    try {
        return object.at(name).get<T>();
    } catch (const json::exception&) {
        throw BboConfigError(std::string("\"") + name + "\" has the wrong kind of value");
    }
}

std::int64_t integer(const json& object, const char* name, std::int64_t low, std::int64_t high) {
    const json value = field<json>(object, name);
    if (!value.is_number_integer()) throw BboConfigError(std::string("\"") + name + "\" is a whole number");
    const auto n =
        value.is_number_unsigned() && value.get<std::uint64_t>() > INT64_MAX ? high + 1 : value.get<std::int64_t>();
    if (n < low || n > high) {
        throw BboConfigError(std::string("\"") + name + "\" lies outside " + std::to_string(low) + ".." +
                             std::to_string(high));
    }
    return n;
}

constexpr std::int64_t kInt32Low = INT32_MIN;
constexpr std::int64_t kInt32High = INT32_MAX;

BboConfigEntry recordFromJson(const json& object) {
    BboConfigEntry entry;
    BboConfigRecord& r = entry.record;
    r.recordNumber = static_cast<std::int32_t>(integer(object, "record", kInt32Low, kInt32High));
    r.modelCode = field<std::string>(object, "model");
    const std::string system = field<std::string>(object, "system");
    if (system.size() != 1) throw BboConfigError("\"system\" is one letter");
    r.systemLetter = system.front();
    // The file's own ranges are checked again when it is encoded.
    r.probeAddress = static_cast<std::uint32_t>(integer(object, "probeAddress", 0, kInt32High));
    r.probeLow = static_cast<std::int32_t>(integer(object, "probeLow", kInt32Low, kInt32High));
    r.probeHigh = static_cast<std::int32_t>(integer(object, "probeHigh", kInt32Low, kInt32High));
    r.tableAddress = static_cast<std::uint32_t>(integer(object, "tableAddress", 0, kInt32High));
    for (const json& p : field<json>(object, "parameters")) {
        entry.parameters.push_back({field<std::string>(p, "name"),
                                    static_cast<std::uint8_t>(integer(p, "offset", 0, 255)),
                                    static_cast<std::uint8_t>(integer(p, "mask", 0, 255))});
    }
    r.parameterCount = static_cast<std::int32_t>(entry.parameters.size());
    return entry;
}

}  // namespace

std::string describeBboConfig(const BboConfigDescription& d) {
    json records = json::array();
    for (const BboConfigEntry& entry : d.records) records.push_back(recordJson(entry));
    const json description{
        {"key", d.key}, {"version", d.version}, {"lineEnding", d.crlf ? "CRLF" : "LF"}, {"records", records}};
    return description.dump(2) + "\n";
}

BboConfigDescription bboConfigFromJson(const std::string& text) {
    json root;
    try {
        root = json::parse(text);
    } catch (const json::exception& e) {
        throw BboConfigError(std::string("the description is not JSON: ") + e.what());
    }
    if (!root.is_object()) throw BboConfigError("the description is a JSON object");
    BboConfigDescription d;
    d.key = static_cast<std::int32_t>(integer(root, "key", kInt32Low, kInt32High));
    d.version = static_cast<std::int32_t>(integer(root, "version", kInt32Low, kInt32High));
    const std::string ending = field<std::string>(root, "lineEnding");
    if (ending != "LF" && ending != "CRLF") throw BboConfigError("\"lineEnding\" is LF or CRLF");
    d.crlf = ending == "CRLF";
    for (const json& record : field<json>(root, "records")) d.records.push_back(recordFromJson(record));
    return d;
}

BboConfigDescription decodeBboConfigFile(const std::string& bytes) {
    BboConfigDescription d = parseBboConfig(bytes);
    if (d.version != 0) throw BboConfigError("version " + std::to_string(d.version) + " is not read by this program");
    for (const BboConfigEntry& entry : d.records) {
        bool plain = plainText(entry.record.modelCode) && plainText(std::string(1, entry.record.systemLetter));
        for (const BboParameter& p : entry.parameters) plain = plain && plainText(p.name);
        if (!plain)
            throw BboConfigError("record " + std::to_string(entry.record.recordNumber) +
                                 " holds texts that are no plain characters");
    }
    if (encodeBboConfig(d) != bytes) {
        throw BboConfigError(
            "the file would not encode back to the same bytes (mixed line endings, numbers "
            "not in their plain form or bytes after the last record)");
    }
    return d;
}

}  // namespace vantrel::cli
