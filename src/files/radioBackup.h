#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace vantrel {

class fileModule;
class radioStorage;

// After every successful radio read the image is kept as an archive under "backups" in the
// program folder, so the values a radio had before anyone tuned it can always be loaded and
// programmed back. No dialog: the technician is not asked and not interrupted.
inline constexpr const char* kBackupFolderName = "backups";

// "<serial>-<YYYYMMDD>-<HHMMSS>.sfp" in local time. The serial comes from the radio, so every
// character but letters, digits, '-' and '_' becomes '_' (no path can be smuggled in through
// it); trailing blanks are dropped, and an empty serial reads "radio".
std::string backupFileName(std::string_view serialNumber, std::chrono::system_clock::time_point when);

// Writes the backup and returns its path, or nothing when the folder or file cannot be
// written. A second read within the same second gets "-2", "-3", ... before the extension.
std::optional<std::filesystem::path> saveBackup(fileModule& archive, const radioStorage& storage,
                                                const std::filesystem::path& programDirectory,
                                                std::chrono::system_clock::time_point when);

// The backup every front end keeps after a successful read, stamped with the current time. A
// backup that cannot be written must not hold up the technician, who still has the radio and
// the image in memory: it is only said on `log`.
void keepBackup(fileModule& archive, const radioStorage& storage, const std::filesystem::path& programDirectory,
                std::ostream& log);

// When an archive was made, for a report: the time in a backup's name ("...-20240307-090502.sfp",
// also "-2" and on), else the file's modification time, in local time as "2024-03-07 09:05:02"
// and followed by where it came from. An archive holds no time of its own.
std::string archiveTimeText(const std::filesystem::path& path);

}  // namespace vantrel
