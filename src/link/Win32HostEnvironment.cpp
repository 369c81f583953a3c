#include "link/FileLocations.h"

namespace vantrel {

// Windows keeps every file beside the executable, as it always has: the program folder counts
// as writable whatever its permissions say, and a write that fails reports itself.
bool folderWritable(const std::filesystem::path&) { return true; }

}  // namespace vantrel
