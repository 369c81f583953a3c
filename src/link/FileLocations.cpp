#include "link/FileLocations.h"

#include "link/ProgramDirectory.h"

#include <cstdlib>
#include <system_error>
#include <utility>

namespace vantrel {

namespace {

constexpr const char* kFolderName = "vantrel";

// A base directory variable that is unset, empty or relative is ignored in favour of its default
// under the home folder; without a usable home there is no per-user place at all.
std::optional<std::filesystem::path> baseFolder(const HostEnvironment& host, const std::string& variable,
                                                const std::filesystem::path& underHome) {
    const auto usable = [&host](const std::string& name) -> std::optional<std::filesystem::path> {
        const std::optional<std::string> value = host.variable(name);
        if (!value || value->empty()) return std::nullopt;
        std::filesystem::path path(*value);
        // Rooted rather than absolute: the same decision on every host, Windows included.
        if (!path.has_root_directory()) return std::nullopt;
        return path;
    };
    if (auto set = usable(variable)) return set;
    if (auto home = usable("HOME")) return *home / underHome;
    return std::nullopt;
}

FileLocations besideTheProgram(const std::filesystem::path& programFolder) {
    return {programFolder, programFolder, programFolder, {}, false};
}

// An installation puts the executables in <prefix>/bin and what ships with them in
// <prefix>/share/vantrel; a folder of another name keeps its files beside the executables.
std::filesystem::path shippedFolder(const std::filesystem::path& programFolder) {
    if (programFolder.filename() != "bin") return programFolder;
    return programFolder.parent_path() / "share" / kFolderName;
}

}  // namespace

std::filesystem::path FileLocations::chosenOrShipped(const std::filesystem::path& name) const {
    std::error_code error;
    const std::filesystem::path chosen = configuration / name;
    return std::filesystem::exists(chosen, error) ? chosen : shipped / name;
}

FileLocations decideFileLocations(const std::filesystem::path& programFolder, const HostEnvironment& host) {
    const std::filesystem::path shipped = shippedFolder(programFolder);
    const bool installation = shipped != programFolder && host.exists(shipped);
    if (!installation && host.writable(programFolder)) return besideTheProgram(programFolder);
    const auto config = baseFolder(host, "XDG_CONFIG_HOME", std::filesystem::path(".config"));
    const auto data = baseFolder(host, "XDG_DATA_HOME", std::filesystem::path(".local") / "share");
    // Nowhere else to go: the program folder stays, and each write into it reports its failure.
    if (!config || !data) return besideTheProgram(programFolder);
    const std::filesystem::path dataFolder = *data / kFolderName;
    return {*config / kFolderName, dataFolder, shipped, dataFolder, true};
}

HostEnvironment hostEnvironment() {
    return {[](const std::string& name) -> std::optional<std::string> {
                const char* value = std::getenv(name.c_str());
                if (value == nullptr) return std::nullopt;
                return std::string(value);
            },
            folderWritable,
            [](const std::filesystem::path& folder) {
                std::error_code error;
                return std::filesystem::is_directory(folder, error);
            }};
}

FileLocations fileLocations() { return decideFileLocations(programDirectory(), hostEnvironment()); }

std::string describeFileLocations(const FileLocations& locations) {
    const std::pair<std::string, const std::filesystem::path*> lines[] = {
        {"com.ini, comN port links", &locations.configuration},
        {"backups/, reports", &locations.data},
        {"help/, pictures, bbo.cfg, profiles/", &locations.shipped},
    };
    constexpr std::size_t kColumn = 38;
    std::string text = "Files:\n";
    for (const auto& [what, where] : lines) {
        const std::string label = "  " + what + ":";
        text += label + std::string(label.size() < kColumn ? kColumn - label.size() : 1, ' ') + where->string() + "\n";
    }
    return text;
}

bool ensureFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

}  // namespace vantrel
