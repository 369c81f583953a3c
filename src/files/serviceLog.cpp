#include "files/serviceLog.h"

#include "link/FileLocations.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <utility>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vantrel {

namespace {

std::filesystem::path& chosenPath() {
    static std::filesystem::path path;
    return path;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Whether the file's last byte ends a line (an empty file does).
bool endsWithLineEnd(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return false;
    if (std::ftell(file) == 0) return true;
    if (std::fseek(file, -1, SEEK_END) != 0) return false;
    return std::fgetc(file) == '\n';
}

// A power cut after this returns cannot take the line away.
bool putOnDisk(std::FILE* file) {
    if (std::fflush(file) != 0) return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(fileno(file)) == 0;
#endif
}

}  // namespace

serviceLog serviceLog::current() {
    const std::filesystem::path& chosen = chosenPath();
    if (!chosen.empty()) return serviceLog(chosen);
    // Beside the backups: the program folder, or the user's data folder when installed.
    const std::filesystem::path folder = fileLocations().data;
    ensureFolder(folder);
    return serviceLog(folder / kFileName);
}

std::filesystem::path serviceLog::setCurrentPath(const std::filesystem::path& path) {
    return std::exchange(chosenPath(), path);
}

bool serviceLog::append(const serviceRecord& record) const {
    // The record goes out in one write, so a writer stopped midway leaves at most a piece of
    // this line, and only at the end of the file.
    std::string line = encodeServiceRecord(record) + '\n';
    File file(std::fopen(path_.string().c_str(), "a+b"));
    if (!file) return false;
    if (!endsWithLineEnd(file.get())) line.insert(line.begin(), '\n');
    if (std::fseek(file.get(), 0, SEEK_END) != 0) return false;
    if (std::fwrite(line.data(), 1, line.size(), file.get()) != line.size()) return false;
    return putOnDisk(file.get());
}

serviceLogContents serviceLog::read() const {
    serviceLogContents contents;
    std::ifstream in(path_, std::ios::binary);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (auto record = decodeServiceRecord(line)) {
            contents.records.push_back(std::move(*record));
        } else {
            contents.warnings.push_back(path_.filename().string() + " line " + std::to_string(number) +
                                        " is damaged and was skipped");
        }
    }
    return contents;
}

bool recordServiceChange(const serviceRecord& record) {
    const serviceLog log = serviceLog::current();
    if (log.append(record)) return true;
    std::cerr << "vantrel: the change could not be written to the service log " << log.path().string() << '\n';
    return false;
}

}  // namespace vantrel
