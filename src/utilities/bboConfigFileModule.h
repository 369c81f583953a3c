#pragma once

#include "utilities/bboConfigCodec.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace vantrel {

// The reader of "bbo.cfg", the technician's own or the shipped one (FileLocations.h). The whole
// file is read and checked at once, before any of it is used, so a broken file is refused before
// anything reaches the radio; the matching then walks the records read, in the order given.
class bboConfigFileModule {
public:
    static constexpr const char* kFileName = "bbo.cfg";
    // Far beyond any real configuration; a larger file is not read.
    static constexpr std::size_t kMaxFileSize = 1 << 20;

    // The file in this folder; when none is given, the technician's own or else the shipped one.
    explicit bboConfigFileModule(std::optional<std::filesystem::path> folder = std::nullopt);

    std::filesystem::path path() const;
    bool open();
    // Replaces the content held. False (and nothing held) when the file is unreadable or
    // broken; failure() then says why.
    bool readAll();
    const std::string& failure() const { return failure_; }

    // Back to the first record; the file's version minus its key (0 = supported).
    std::int32_t versionVerdict();
    std::int32_t recordCount() const;
    // The next record, after whatever parameter entries of the previous one were not read.
    // False when the records are exhausted.
    bool readRecord(BboConfigRecord& record);
    // The next parameter entry of the current record: its name up to the first NUL, offset
    // and mask. False when the record has no more.
    bool readParameter(BboParameter& entry);

    const BboConfigDescription& content() const { return content_; }

private:
    std::optional<std::filesystem::path> folder_;
    bool opened_ = false;
    BboConfigDescription content_;
    std::string failure_;
    std::size_t nextRecord_ = 0;
    std::size_t nextParameter_ = 0;
};

}  // namespace vantrel
