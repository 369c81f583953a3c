#pragma once

#include <optional>
#include <span>
#include <string>

namespace vantrel {

class radioStorage;

// What every enabling rule reads: the radio image and the client's flags. Plain data, so a
// rule can be checked for any state without a window.
struct CommandState {
    const radioStorage& storage;
    bool radioRead = false;
    bool archiveLoaded = false;
    bool tuningAllowed = true;
    int openScreenKind = 0;

    bool dataPresent() const { return radioRead || archiveLoaded; }
};

using EnableRule = bool (*)(const CommandState&);

// One menu or toolbar command: its number, its menu text (with the & of its accelerator and
// any blanks the resource carries), the hint the status bar shows while it is highlighted
// (nullptr for none) and when it may run.
struct CommandInfo {
    int id;
    const char* text;
    const char* hint;
    EnableRule enabled;
};

// Every command of the menu and toolbar, in menu order.
std::span<const CommandInfo> commandTable();
const CommandInfo* findCommand(int id);

// False for a number that is no command.
bool isCommandEnabled(int id, const CommandState& state);

// The hint text stored under a number: a command's hint, or nothing.
std::optional<std::string> hintText(int number);

}  // namespace vantrel
