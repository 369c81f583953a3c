#pragma once

#include <filesystem>
#include <string>

namespace vantrel {

// What the program takes from its command line, once, before anything else exists.
struct CommandLine {
    // The folder of the path the program was started by; empty when that path names no folder
    // (started through PATH), and the running executable's folder is used instead. Made
    // absolute against the starting folder, because Read and Program All change the working
    // directory to it and a relative folder would then point elsewhere.
    std::filesystem::path programDirectory;
    // Every argument, each followed by one blank.
    std::string commandText;

    bool loadOnStart() const { return !commandText.empty(); }
    // The archive to load at start: the joined arguments without their trailing blanks, so an
    // unquoted path with blanks in it still names its file.
    std::string archiveName() const;
};

CommandLine parseCommandLine(int argc, const char* const* argv, const std::filesystem::path& startingFolder);

}  // namespace vantrel
