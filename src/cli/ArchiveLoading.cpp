#include "cli/ArchiveLoading.h"

#include "cli/CliConsole.h"
#include "files/fileModule.h"
#include "model/radioStorage.h"

namespace vantrel::cli {

bool loadArchiveFile(const std::string& path, radioStorage& storage, CliConsole& console) {
    switch (fileModule().loadArchive(path, storage)) {
        case ArchiveLoadResult::Loaded:
            console.say(messages::kArchiveLoaded);
            return true;
        case ArchiveLoadResult::NotOpenable:
            console.say(messages::kArchiveNotOpened);
            return false;
        case ArchiveLoadResult::NotAnArchive:
            console.say(messages::kNotAnArchive);
            return false;
        case ArchiveLoadResult::IncompatibleVersion:
            console.say(messages::kIncompatibleArchive);
            return false;
        case ArchiveLoadResult::InvalidTuningProcedureVersion:
            console.say(messages::kInvalidTuningProcedure);
            return false;
    }
    return false;
}

}  // namespace vantrel::cli
