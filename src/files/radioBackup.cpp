#include "files/radioBackup.h"

#include "files/fileModule.h"
#include "files/formatText.h"
#include "model/radioStorage.h"

#include <cctype>
#include <ctime>
#include <system_error>

namespace vantrel {

namespace {

constexpr int kMaxSameSecond = 1000;

std::string safeSerial(std::string_view serial) {
    while (!serial.empty() && (serial.back() == ' ' || serial.back() == '\0')) serial.remove_suffix(1);
    std::string safe;
    for (const char c : serial) {
        const bool plain = std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_';
        safe += plain ? c : '_';
    }
    return safe.empty() ? std::string("radio") : safe;
}

std::tm localTime(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &seconds);
#else
    localtime_r(&seconds, &parts);
#endif
    return parts;
}

}  // namespace

std::string backupFileName(std::string_view serialNumber, std::chrono::system_clock::time_point when) {
    const std::tm t = localTime(when);
    return safeSerial(serialNumber) + formatText("-%04d%02d%02d-%02d%02d%02d.sfp", t.tm_year + 1900, t.tm_mon + 1,
                                                 t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
}

std::optional<std::filesystem::path> saveBackup(fileModule& archive, const radioStorage& storage,
                                                const std::filesystem::path& programDirectory,
                                                std::chrono::system_clock::time_point when) {
    const std::filesystem::path folder = programDirectory / kBackupFolderName;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return std::nullopt;

    const std::filesystem::path name = backupFileName(storage.serialNumber(), when);
    std::filesystem::path target = folder / name;
    for (int n = 2; std::filesystem::exists(target, error) && n <= kMaxSameSecond; ++n) {
        target = folder / (name.stem().string() + formatText("-%d", n) + name.extension().string());
    }
    if (std::filesystem::exists(target, error)) return std::nullopt;
    if (!archive.saveArchive(target, storage)) return std::nullopt;
    return target;
}

void keepBackup(fileModule& archive, const radioStorage& storage, const std::filesystem::path& programDirectory,
                std::ostream& log) {
    if (saveBackup(archive, storage, programDirectory, std::chrono::system_clock::now())) return;
    log << "vantrel: the backup of the radio read could not be written under "
        << (programDirectory / kBackupFolderName).string() << '\n';
}

}  // namespace vantrel
