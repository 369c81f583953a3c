#pragma once

#include <memory>

namespace vantrel {

class MessageInteraction;
class TTuningScreen;
class TuningSession;
struct TuningFamily;

// The view of a family's screen: the generic screen laid out from its rows, or, for a family
// with controls of its own (Auto Tune buttons, toggles, K and M boxes), a view derived from it.
TTuningScreen* makeTuningView(const TuningFamily& family, std::unique_ptr<TuningSession> session,
                              MessageInteraction& ui);

}  // namespace vantrel
