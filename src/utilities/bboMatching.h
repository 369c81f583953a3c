#pragma once

namespace vantrel {

class MessageInteraction;
class bboConfigFileModule;
class radioStorage;

// The baseband offset command before its window: in file mode the configuration is read (a
// missing or broken file is told, and nothing reaches the radio), then matched to the radio on
// the line. True when the window may be made, its parameter table in the storage.
bool prepareBasebandUpdate(radioStorage& storage, bboConfigFileModule& config, MessageInteraction& ui);

// Walks the configuration's records until one names the radio's model and system letter and
// the radio's probe byte lies in its range, and builds the parameter table from it. In radio
// mode the nine fixed parameters match at once. Every failure is told; the result says whether
// a record matched.
bool matchConfiguration(radioStorage& storage, bboConfigFileModule& config, MessageInteraction& ui);

}  // namespace vantrel
