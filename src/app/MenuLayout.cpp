#include "app/MenuLayout.h"

#include "app/CommandIds.h"
#include "app/CommandTable.h"

namespace vantrel {

namespace {

using namespace command;
using K = MenuNode::Kind;

MenuNode item(int id) { return MenuNode{K::Command, id, {}, {}}; }
MenuNode separator() { return MenuNode{K::Separator, 0, {}, {}}; }
MenuNode popup(std::string title, std::vector<MenuNode> items) {
    return MenuNode{K::Popup, 0, std::move(title), std::move(items)};
}

std::vector<MenuNode> buildMenuBar() {
    return {
        popup("&File", {item(kLoadArchive), item(kSaveArchive), separator(), item(kReadRadio), item(kProgramAll),
                        separator(), item(kPrinterSetup), item(kPrintPreview), separator(),
                        MenuNode{K::RecentFiles, 0, {}, {}}, item(kExit)}),
        popup("&Rx Align",
              {item(kFrontEndFilter), separator(),
               popup("&Rated Volume", {item(kRatedVolumeCarrierSquelch), item(kRatedVolumeSollen)}), separator(),
               popup("&Squelch Attn. ", {item(kSquelch125), item(kSquelch20), item(kSquelch25)}), separator(),
               item(kRssi)}),
        popup("&Tx Align", {item(kBatteryThreshold),
                            separator(),
                            popup("&PA Bias ", {item(kPaBiasHighPower), item(kPaBiasLowPower), item(kPaBiasRxMode)}),
                            separator(),
                            item(kDac),
                            item(kKandMTuning),
                            separator(),
                            item(kReferenceOscillatorWarp),
                            separator(),
                            item(kPaVoltageLimit),
                            separator(),
                            item(kModulationBalance),
                            separator(),
                            popup("&Transmit Power", {item(kTransmitHighPower), item(kTransmitLowPower)}),
                            separator(),
                            popup("&VCO Attn.", {item(kVco125), item(kVco20), item(kVco25)}),
                            separator(),
                            item(kDtmf),
                            item(kDalmor),
                            separator(),
                            item(kHighSpeedTrunking),
                            item(kSelect5),
                            item(kMpt1327)}),
        popup("&Options", {item(kCommunicationSettings)}),
        popup("&Utilities", {item(kProgramSerialNumber), item(kBasebandOffsetUpdate), separator(), item(kTempCompRead),
                             item(kTempCompWrite)}),
        popup("&Window", {popup("&Window", {item(kWindowCascade), item(kWindowTile), item(kWindowArrangeIcons),
                                            item(kWindowCloseAll)}),
                          item(kCascade), item(kTile), item(kArrangeIcons), item(kCloseAll)}),
        popup("&Help", {item(kPortableRadioSetup), item(kMobileRadioSetup), item(kRadioHardwareInformation),
                        separator(), item(kAbout)}),
    };
}

}  // namespace

const std::vector<MenuNode>& menuBarLayout() {
    static const std::vector<MenuNode> layout = buildMenuBar();
    return layout;
}

std::optional<int> hintNumber(const MenuNode& node) {
    switch (node.kind) {
        case K::Command:
            if (node.command >= kNoHintFirst && node.command <= kNoHintLast) return std::nullopt;
            return node.command;
        case K::Popup: {
            if (node.items.empty()) return std::nullopt;
            const std::optional<int> first = hintNumber(node.items.front());
            if (!first) return std::nullopt;
            return *first - 1;
        }
        case K::Separator:
        case K::RecentFiles:
            break;
    }
    return std::nullopt;
}

namespace {

std::string plainText(const std::string& text) {
    std::string plain;
    for (const char c : text) {
        if (c == '\t') break;
        if (c != '&') plain += c;
    }
    while (!plain.empty() && plain.back() == ' ') plain.pop_back();
    return plain;
}

bool findPath(const std::vector<MenuNode>& items, int command, std::string& path) {
    for (const MenuNode& node : items) {
        if (node.kind == K::Command && node.command == command) {
            const CommandInfo* info = findCommand(command);
            path = plainText(info != nullptr ? info->text : "");
            return true;
        }
        if (node.kind == K::Popup && findPath(node.items, command, path)) {
            path = plainText(node.title) + " > " + path;
            return true;
        }
    }
    return false;
}

}  // namespace

std::string menuPath(int command) {
    std::string path;
    return findPath(menuBarLayout(), command, path) ? path : std::string();
}

std::string hintFor(const MenuNode& node) {
    const std::optional<int> number = hintNumber(node);
    if (!number) return {};
    return hintText(*number).value_or(std::string());
}

}  // namespace vantrel
