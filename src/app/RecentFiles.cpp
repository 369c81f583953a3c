#include "app/RecentFiles.h"

#include "files/formatText.h"

#include <algorithm>
#include <system_error>

namespace vantrel {

namespace {

bool freeSlot(const std::string& value) { return value.empty() || value == "Default"; }

}  // namespace

namespace {

// Read Radio and Program All move the working directory to the program folder; a name taken
// relative to it later would split the list over two files.
std::filesystem::path fixedPath(const std::filesystem::path& settingsFile) {
    std::error_code failed;
    std::filesystem::path whole = std::filesystem::absolute(settingsFile, failed);
    return failed ? settingsFile : whole;
}

}  // namespace

RecentFiles::RecentFiles(const std::filesystem::path& settingsFile) : settings_(fixedPath(settingsFile)) {
    settings_.write(kSection, "Count", std::to_string(kSlots));
    load();
}

std::string RecentFiles::slotKey(int slot) { return formatText("%s%d", kSection, slot); }

std::string RecentFiles::menuText(int index, const std::string& path) {
    return formatText("&%d %s", index + 1, path.c_str());
}

void RecentFiles::load() {
    entries_.clear();
    for (int slot = 0; slot < kSlots; ++slot) {
        const std::string value = settings_.read(kSection, slotKey(slot)).value_or(std::string());
        if (!freeSlot(value)) entries_.push_back(value);
    }
}

void RecentFiles::save() const {
    for (int slot = 0; slot < kSlots; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        settings_.write(kSection, slotKey(slot), index < entries_.size() ? entries_[index] : std::string());
    }
}

void RecentFiles::record(const std::string& path) {
    // The file may have been changed by another running copy since we read it.
    load();
    std::erase_if(entries_, [&path](const std::string& entry) { return equalsIgnoringCase(entry, path); });
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > static_cast<std::size_t>(kSlots)) entries_.resize(kSlots);
    save();
}

}  // namespace vantrel
