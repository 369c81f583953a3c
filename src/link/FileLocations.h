#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vantrel {

// What the host tells about the user and the program folder, as functions so that tests can
// describe any host.
struct HostEnvironment {
    // The value of an environment variable, or nothing when it is not set.
    std::function<std::optional<std::string>(const std::string& name)> variable;
    // Whether the program may create and change files in the folder.
    std::function<bool(const std::filesystem::path& folder)> writable;
    std::function<bool(const std::filesystem::path& folder)> exists;
};

// The host the program runs on.
HostEnvironment hostEnvironment();
// Whether the running program may write into the folder, as its platform judges it
// (PosixHostEnvironment.cpp, Win32HostEnvironment.cpp).
bool folderWritable(const std::filesystem::path& folder);

// Where each kind of file lives. A writable program folder (a build folder, an unpacked archive,
// Windows) holds them all. An installed program's folder is not writable: what the technician
// chooses and what the program writes then lives per user in the XDG folders, and what ships with
// the program is read from the installation's share folder. An installation stays one even where
// its folder is writable (root, or a prefix in the home folder): nothing is written beside the
// installed executables.
struct FileLocations {
    std::filesystem::path configuration;  // com.ini and the comN port links
    std::filesystem::path data;           // backups/, and the working directory of Read Radio and Program All
    std::filesystem::path shipped;        // pictures, help/, bbo.cfg, profiles/
    // The folder of the desktop program's settings file; empty keeps it in the working directory
    // the program starts in.
    std::filesystem::path settings;
    bool perUser = false;

    // A file that ships with the program but that the technician may replace with his own (bbo.cfg):
    // his copy in the configuration folder when there is one, else the shipped one.
    std::filesystem::path chosenOrShipped(const std::filesystem::path& name) const;
};

FileLocations decideFileLocations(const std::filesystem::path& programFolder, const HostEnvironment& host);

// The locations of the running program, decided afresh from its program folder and its host.
FileLocations fileLocations();

// The places, one line each, as the programs' help tells them.
std::string describeFileLocations(const FileLocations& locations);

// Creates the folder and its parents when missing; false when it is still not there afterwards.
bool ensureFolder(const std::filesystem::path& folder);

}  // namespace vantrel
