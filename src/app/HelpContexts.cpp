#include "app/HelpContexts.h"

#include <algorithm>
#include <array>

namespace vantrel {

namespace {

constexpr std::array<ScreenHelp, 29> kScreenHelp{{
    {1, 40001},  {2, 40002},  {3, 40002},  {5, 40003},  {6, 40004},  {7, 40004},  {8, 40004},  {9, 40005},
    {10, 40006}, {11, 40008}, {12, 40008}, {36, 40017}, {37, 40017}, {13, 40009}, {14, 40021}, {33, 40015},
    {35, 40024}, {4, 40013},  {34, 40016}, {32, 40014}, {20, 40023}, {15, 40010}, {16, 40011}, {17, 40011},
    {18, 40011}, {19, 40012}, {38, 40012}, {30, 40020}, {31, 40020},
}};

}  // namespace

std::span<const ScreenHelp> screenHelpTable() { return kScreenHelp; }

std::optional<int> helpContextForScreen(int openScreenKind) {
    const auto found = std::find_if(kScreenHelp.begin(), kScreenHelp.end(), [openScreenKind](const ScreenHelp& h) {
        return h.openScreenKind == openScreenKind;
    });
    if (found == kScreenHelp.end()) return std::nullopt;
    return found->context;
}

}  // namespace vantrel

#include "link/FileLocations.h"

namespace vantrel {

std::filesystem::path helpPagePath() { return fileLocations().shipped / "help" / "Vantrel.html"; }

std::string helpAnchor(int context) { return std::to_string(context); }

}  // namespace vantrel
