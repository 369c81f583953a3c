#include "app/StatusText.h"

#include "files/formatText.h"
#include "model/radioStorage.h"

namespace vantrel {

std::string identityStatusText(const radioStorage& storage) {
    // The blanks push the model number to the far end of a maximised status bar.
    return formatText("Radio Serial No :%s", storage.serialNumber().c_str()) + std::string(95, ' ') +
           formatText("Radio Model No: %s", storage.modelNumber().c_str());
}

}  // namespace vantrel
