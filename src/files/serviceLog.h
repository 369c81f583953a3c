#pragma once

#include "files/serviceRecord.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vantrel {

// What a reader found in a service log: the whole records, and a warning for every line it
// had to skip.
struct serviceLogContents {
    std::vector<serviceRecord> records;
    std::vector<std::string> warnings;
};

// The service log: one JSON line per change made to a radio, appended by the desktop program
// and the command line alike, never rewritten.
class serviceLog {
public:
    static constexpr const char* kFileName = "service-log.jsonl";

    explicit serviceLog(std::filesystem::path path) : path_(std::move(path)) {}

    // The log of the program folder, or the file the command line was told to use.
    static serviceLog current();
    // An empty path goes back to the program folder's log. Returns the choice it replaces.
    static std::filesystem::path setCurrentPath(const std::filesystem::path& path);

    // Appends the record as one whole line and puts it on the disk before returning; false
    // when the file could not be written. A line left unfinished by an earlier writer stays
    // a line of its own, so it never swallows the new one.
    bool append(const serviceRecord& record) const;
    // Reads every whole line; a missing file is an empty log.
    serviceLogContents read() const;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Appends to the current log; a log that cannot be written is said on the error stream and
// does not undo or stop the change it records, which the radio has already taken.
bool recordServiceChange(const serviceRecord& record);

}  // namespace vantrel
