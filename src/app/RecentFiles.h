#pragma once

#include "app/IniFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vantrel {

// The recent-files list of the File menu: up to four full paths in the settings file, section
// "MRU", keys "MRU0" (the most recent) to "MRU3"; an empty value or "Default" is a free slot.
class RecentFiles {
public:
    static constexpr int kSlots = 4;
    static constexpr const char* kSettingsFile = "Vantrel.ini";
    static constexpr const char* kSection = "MRU";

    // Writes "Count" = 4 and reads the slots. A relative settings file is taken from the working
    // directory of this moment and stays that file for the rest of the run.
    explicit RecentFiles(const std::filesystem::path& settingsFile = kSettingsFile);

    // The filled slots, most recent first.
    const std::vector<std::string>& entries() const { return entries_; }

    // Puts the path first, dropping an earlier entry that names it (compared without regard to
    // case) and the oldest beyond four, and writes the list.
    void record(const std::string& path);

    // The menu text of the entry at `index` (0 for the most recent): "&<index+1> <path>".
    static std::string menuText(int index, const std::string& path);
    static std::string slotKey(int slot);

private:
    void load();
    void save() const;

    IniFile settings_;
    std::vector<std::string> entries_;
};

}  // namespace vantrel
