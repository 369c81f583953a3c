#include "app/CommandTable.h"
#include "app/HelpContexts.h"
#include "tuning/TuningFamily.h"

#include <gtest/gtest.h>

#include <set>

namespace vantrel {
namespace {

// Every screen of the table is reachable: its command is a menu command, its kind has a help
// topic, and no two screens share a command (but for the PA bias defaults) or a caption (nor a
// kind, but for 11).
TEST(TuningFamilyTable, EveryScreenHasItsCommandHelpAndAKindOfItsOwn) {
    std::set<int> kinds;
    std::set<int> commands;
    std::set<std::string_view> captions;
    for (const TuningFamily& family : tuningFamilies()) {
        SCOPED_TRACE(family.className);
        EXPECT_NE(findCommand(family.command), nullptr);
        EXPECT_TRUE(helpContextForScreen(family.kind).has_value());
        // PA bias high power and Rx mode both write kind 11.
        if (family.kind != 11) {
            EXPECT_TRUE(kinds.insert(family.kind).second);
        }
        // The PA bias default screens open from the commands of the screens they replace.
        if (family.kind != 36 && family.kind != 37) {
            EXPECT_TRUE(commands.insert(family.command).second);
            EXPECT_EQ(tuningFamilyOfCommand(family.command), &family);
        }
        EXPECT_TRUE(captions.insert(family.caption).second);
        EXPECT_EQ(tuningFamilyOfCaption(family.caption), &family);
        // A screen that validates its boxes at Program has both refusals and its question; the
        // RSSI, battery, DAC and PA voltage limit screens commit no box, the K and M screen
        // refuses by point.
        EXPECT_EQ(family.texts.abort.empty(), family.texts.entry.empty());
        if (!family.texts.abort.empty()) {
            EXPECT_FALSE(family.texts.prompt.empty());
        }
    }
    EXPECT_EQ(tuningFamilyOfKind(0), nullptr);
}

}  // namespace
}  // namespace vantrel
