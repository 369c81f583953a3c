#include "app/CommandLine.h"

namespace vantrel {

std::string CommandLine::archiveName() const {
    const auto last = commandText.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : commandText.substr(0, last + 1);
}

CommandLine parseCommandLine(int argc, const char* const* argv, const std::filesystem::path& startingFolder) {
    CommandLine line;
    if (argc > 0 && argv[0] != nullptr) {
        const std::filesystem::path started(argv[0]);
        if (started.has_parent_path()) {
            std::filesystem::path folder = (startingFolder / started.parent_path()).lexically_normal();
            // "./vantrel" normalises to "<folder>/"; keep the folder without its trailing slash.
            if (!folder.has_filename() && folder != folder.root_path()) folder = folder.parent_path();
            line.programDirectory = folder;
        }
    }
    for (int i = 1; i < argc; ++i) {
        if (argv[i] == nullptr) continue;
        line.commandText += argv[i];
        line.commandText += ' ';
    }
    return line;
}

}  // namespace vantrel
