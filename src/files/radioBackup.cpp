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

namespace vantrel {

namespace {

constexpr std::string_view kDigits = "0123456789";

int number(std::string_view digits) {
    int value = 0;
    for (const char c : digits) value = value * 10 + (c - '0');
    return value;
}

// The "YYYYMMDD-HHMMSS" a backup's name carries before ".sfp" (and its "-N"), when it is there
// and names a possible time.
std::optional<std::tm> backupNameTime(std::string_view stem) {
    if (const auto dash = stem.rfind('-'); dash != std::string_view::npos) {
        const std::string_view tail = stem.substr(dash + 1);
        if (!tail.empty() && tail.size() <= 4 && tail.find_first_not_of(kDigits) == std::string_view::npos)
            stem = stem.substr(0, dash);
    }
    constexpr std::size_t kStamp = 15;  // YYYYMMDD-HHMMSS
    if (stem.size() < kStamp + 1 || stem[stem.size() - kStamp - 1] != '-') return std::nullopt;
    const std::string_view stamp = stem.substr(stem.size() - kStamp);
    if (stamp[8] != '-' || stamp.substr(0, 8).find_first_not_of(kDigits) != std::string_view::npos ||
        stamp.substr(9).find_first_not_of(kDigits) != std::string_view::npos)
        return std::nullopt;
    std::tm t{};
    t.tm_year = number(stamp.substr(0, 4)) - 1900;
    t.tm_mon = number(stamp.substr(4, 2)) - 1;
    t.tm_mday = number(stamp.substr(6, 2));
    t.tm_hour = number(stamp.substr(9, 2));
    t.tm_min = number(stamp.substr(11, 2));
    t.tm_sec = number(stamp.substr(13, 2));
    const bool possible = t.tm_mon >= 0 && t.tm_mon < 12 && t.tm_mday >= 1 && t.tm_mday <= 31 && t.tm_hour < 24 &&
                          t.tm_min < 60 && t.tm_sec < 61;
    if (!possible) return std::nullopt;
    return t;
}

std::string timeText(const std::tm& t) {
    return formatText("%04d-%02d-%02d %02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min,
                      t.tm_sec);
}

}  // namespace

std::string archiveTimeText(const std::filesystem::path& path) {
    if (path.extension() == ".sfp") {
        if (const auto stamped = backupNameTime(path.stem().string())) return timeText(*stamped) + " (backup)";
    }
    std::error_code error;
    const auto written = std::filesystem::last_write_time(path, error);
    if (error) return "unknown";
    // Not every standard library we build with has clock_cast; the offset between the two
    // clocks now is exact enough for a time shown to the second.
    const auto system =
        std::chrono::system_clock::now() + std::chrono::duration_cast<std::chrono::system_clock::duration>(
                                               written - std::filesystem::file_time_type::clock::now());
    return timeText(localTime(system)) + " (file modified)";
}

}  // namespace vantrel
