#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// The menu bar as data: the builder walks it, the hint rule reads it, and the tests compare it
// item for item with what the technician sees.
struct MenuNode {
    enum class Kind {
        Command,
        Separator,
        Popup,
        // Where the recent-files entries go (each "&<n> <path>", then a separator).
        RecentFiles,
    };

    Kind kind = Kind::Separator;
    int command = 0;              // a Command's number; its text is in the command table
    std::string title;            // a Popup's title
    std::vector<MenuNode> items;  // a Popup's items
};

// The popups of the menu bar, left to right.
const std::vector<MenuNode>& menuBarLayout();

// The number whose hint the status bar shows while the node is highlighted: a command's own
// number; for a popup one less than that of its first item (so the rule applies again when
// the first item is itself a popup). Separators and the commands of the no-hint band have none.
std::optional<int> hintNumber(const MenuNode& node);
// The hint shown for the node: empty when the number has no text.
std::string hintFor(const MenuNode& node);

// Where a command sits, as the technician reads it: "Tx Align > PA Bias > High Power" (without
// the accelerator marks); empty for a command that is in no menu.
std::string menuPath(int command);

}  // namespace vantrel
