#include "utilities/UtilityConnection.h"

#include "link/CommunicationError.h"
#include "utilities/utilityMessages.h"

namespace vantrel {

std::unique_ptr<cominit> obtainConnection(MessageInteraction& ui) {
    try {
        return std::make_unique<cominit>();
    } catch (const CommunicationError&) {
        messages::tell(ui, messages::kUtilityPortInUse);
        return nullptr;
    }
}

}  // namespace vantrel
