#include "link/FileLocations.h"

#include <unistd.h>

namespace vantrel {

bool folderWritable(const std::filesystem::path& folder) { return ::access(folder.c_str(), W_OK) == 0; }

}  // namespace vantrel
