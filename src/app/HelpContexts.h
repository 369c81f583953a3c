#pragma once

#include <optional>
#include <span>

namespace vantrel {

// Help is opened at a context number or at its contents. F1 without a menu open picks the
// context of the open window; a highlighted menu item uses its command number instead.
struct ScreenHelp {
    int openScreenKind;
    int context;
};

// The help context of every window kind that has one.
std::span<const ScreenHelp> screenHelpTable();

// The context for the open window, or nothing (the contents) for no window, the temperature
// compensation windows and the radio setup pictures.
std::optional<int> helpContextForScreen(int openScreenKind);

// The context the PA bias commands open after the default screen was chosen.
inline constexpr int kPaBiasDefaultHelpContext = 40017;

}  // namespace vantrel

#include <filesystem>
#include <string>

namespace vantrel {

// The help pages live in "help" beside the executable; each context is an anchor named by its
// number on the one page, and the page's top is its contents.
std::filesystem::path helpPagePath();
std::string helpAnchor(int context);

}  // namespace vantrel
