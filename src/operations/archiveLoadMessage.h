#pragma once

#include "files/fileModule.h"
#include "operations/commandMessages.h"

namespace vantrel {

// What the technician is told after an archive was loaded or refused.
const messages::Message& archiveLoadMessage(ArchiveLoadResult result);

}  // namespace vantrel
