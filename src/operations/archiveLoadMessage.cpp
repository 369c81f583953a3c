#include "operations/archiveLoadMessage.h"

namespace vantrel {

const messages::Message& archiveLoadMessage(ArchiveLoadResult result) {
    switch (result) {
        case ArchiveLoadResult::Loaded:
            return messages::kArchiveLoaded;
        case ArchiveLoadResult::NotAnArchive:
            return messages::kNotAnArchive;
        case ArchiveLoadResult::IncompatibleVersion:
            return messages::kIncompatibleArchive;
        case ArchiveLoadResult::InvalidTuningProcedureVersion:
            return messages::kInvalidTuningProcedure;
        case ArchiveLoadResult::NotOpenable:
            break;
    }
    return messages::kArchiveNotOpened;
}

}  // namespace vantrel
