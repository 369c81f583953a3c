#include "cli/ArchiveLoading.h"

#include "cli/CliConsole.h"
#include "files/fileModule.h"
#include "model/radioStorage.h"
#include "operations/archiveLoadMessage.h"

namespace vantrel::cli {

bool loadArchiveFile(const std::string& path, radioStorage& storage, CliConsole& console) {
    const ArchiveLoadResult result = fileModule().loadArchive(path, storage);
    console.say(archiveLoadMessage(result));
    return result == ArchiveLoadResult::Loaded;
}

}  // namespace vantrel::cli
