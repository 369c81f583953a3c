#pragma once

#include <string>

namespace vantrel {
class radioStorage;
}

namespace vantrel::cli {

class CliConsole;

// Loads an archive named on the command line; false (with the archive reader's refusal said)
// when it was refused.
bool loadArchiveFile(const std::string& path, radioStorage& storage, CliConsole& console);

}  // namespace vantrel::cli
