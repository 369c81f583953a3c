#include "utilities/bboConfigFileModule.h"

#include "files/fileBytes.h"
#include "link/FileLocations.h"

#include <fstream>

namespace vantrel {

bboConfigFileModule::bboConfigFileModule(std::optional<std::filesystem::path> folder) : folder_(std::move(folder)) {}

std::filesystem::path bboConfigFileModule::path() const {
    return folder_ ? *folder_ / kFileName : fileLocations().chosenOrShipped(kFileName);
}

bool bboConfigFileModule::open() {
    opened_ = std::ifstream(path(), std::ios::binary).is_open();
    return opened_;
}

bool bboConfigFileModule::readAll() {
    content_ = {};
    nextRecord_ = nextParameter_ = 0;
    failure_.clear();
    const std::optional<std::string> bytes = readFileHead(path(), kMaxFileSize + 1);
    if (!opened_ || !bytes) {
        failure_ = "the file could not be read";
        return false;
    }
    if (bytes->size() > kMaxFileSize) {
        failure_ = "the file is larger than " + std::to_string(kMaxFileSize) + " bytes";
        return false;
    }
    try {
        content_ = parseBboConfig(*bytes);
    } catch (const BboConfigError& e) {
        failure_ = e.what();
        content_ = {};
        return false;
    }
    return true;
}

std::int32_t bboConfigFileModule::versionVerdict() {
    nextRecord_ = nextParameter_ = 0;
    return content_.version;
}

std::int32_t bboConfigFileModule::recordCount() const { return static_cast<std::int32_t>(content_.records.size()); }

bool bboConfigFileModule::readRecord(BboConfigRecord& record) {
    if (nextRecord_ >= content_.records.size()) return false;
    record = content_.records[nextRecord_++].record;
    nextParameter_ = 0;
    return true;
}

bool bboConfigFileModule::readParameter(BboParameter& entry) {
    if (nextRecord_ == 0) return false;
    const auto& parameters = content_.records[nextRecord_ - 1].parameters;
    if (nextParameter_ >= parameters.size()) return false;
    entry = parameters[nextParameter_++];
    entry.name = parameterDisplayName(entry.name);
    return true;
}

}  // namespace vantrel
