#pragma once

#include "protocol/cominit.h"

#include <memory>

namespace vantrel {

class MessageInteraction;

// The connection of one utility action. When the port cannot be opened the technician is told
// that another application holds it, and the action gets nothing.
std::unique_ptr<cominit> obtainConnection(MessageInteraction& ui);

}  // namespace vantrel
