#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(CommandLine, ArgumentsAreJoinedAndTheProgramFolderMadeAbsolute) {
    const char* argv[] = {"bin/vantrel", "/radios/bench", "one.sfp"};
    const CommandLine line = parseCommandLine(3, argv, "/home/tech");
    EXPECT_EQ(line.programDirectory, std::filesystem::path("/home/tech/bin"));
    EXPECT_EQ(line.commandText, "/radios/bench one.sfp ");
    EXPECT_TRUE(line.loadOnStart());
    EXPECT_EQ(line.archiveName(), "/radios/bench one.sfp");

    const char* dotted[] = {"./vantrel"};
    EXPECT_EQ(parseCommandLine(1, dotted, "/opt/vantrel").programDirectory, std::filesystem::path("/opt/vantrel"));
    const char* absolute[] = {"/usr/lib/vantrel/vantrel"};
    EXPECT_EQ(parseCommandLine(1, absolute, "/tmp").programDirectory, std::filesystem::path("/usr/lib/vantrel"));
    // Started through PATH: no folder in the name, the executable's own folder is used.
    const char* bare[] = {"vantrel"};
    const CommandLine none = parseCommandLine(1, bare, "/tmp");
    EXPECT_TRUE(none.programDirectory.empty());
    EXPECT_FALSE(none.loadOnStart());
    EXPECT_EQ(none.archiveName(), "");
}

}  // namespace
}  // namespace vantrel
