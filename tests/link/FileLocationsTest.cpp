#include "link/FileLocations.h"
#include "link/PortConfigurationFile.h"
#include "support/ScopedProgramDirectory.h"
#include "support/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

namespace vantrel {
namespace {

using std::filesystem::path;

HostEnvironment host(bool writable, std::map<std::string, std::string> variables, bool installed) {
    return {[variables](const std::string& name) -> std::optional<std::string> {
                const auto found = variables.find(name);
                if (found == variables.end()) return std::nullopt;
                return found->second;
            },
            [writable](const path&) { return writable; },
            [installed](const path& folder) { return installed && folder.filename() == "vantrel"; }};
}

TEST(FileLocations, FollowTheProgramFolderAndTheUsersBaseFolders) {
    const std::map<std::string, std::string> home{{"HOME", "/home/tech"}};
    const std::map<std::string, std::string> root{{"HOME", "/root"}};
    const struct {
        const char* what;
        path program;
        bool writable;
        bool installed;  // <prefix>/share/vantrel is there
        std::map<std::string, std::string> variables;
        path configuration, data, shipped;
    } cases[] = {
        {"build folder", "/src/build/bin", true, false, home, "/src/build/bin", "/src/build/bin", "/src/build/bin"},
        {"installed, defaults under the home folder", "/usr/bin", false, true, home, "/home/tech/.config/vantrel",
         "/home/tech/.local/share/vantrel", "/usr/share/vantrel"},
        {"installed under another prefix", "/usr/local/bin", false, true, home, "/home/tech/.config/vantrel",
         "/home/tech/.local/share/vantrel", "/usr/local/share/vantrel"},
        {"installed, run by root", "/usr/bin", true, true, root, "/root/.config/vantrel", "/root/.local/share/vantrel",
         "/usr/share/vantrel"},
        {"installed in the home folder", "/home/tech/.local/bin", true, true, home, "/home/tech/.config/vantrel",
         "/home/tech/.local/share/vantrel", "/home/tech/.local/share/vantrel"},
        {"base folders set",
         "/usr/bin",
         false,
         true,
         {{"HOME", "/home/tech"}, {"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "/d"}},
         "/cfg/vantrel",
         "/d/vantrel",
         "/usr/share/vantrel"},
        {"empty and relative base folders are ignored",
         "/usr/bin",
         false,
         true,
         {{"HOME", "/home/tech"}, {"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", "data"}},
         "/home/tech/.config/vantrel",
         "/home/tech/.local/share/vantrel",
         "/usr/share/vantrel"},
        {"read-only folder not named bin keeps its shipped files", "/opt/vantrel", false, false, home,
         "/home/tech/.config/vantrel", "/home/tech/.local/share/vantrel", "/opt/vantrel"},
        {"no home at all", "/usr/bin", false, true, {}, "/usr/bin", "/usr/bin", "/usr/bin"},
        {"relative home", "/usr/bin", false, true, {{"HOME", "tech"}}, "/usr/bin", "/usr/bin", "/usr/bin"},
        {"one base folder set, no home",
         "/usr/bin",
         false,
         true,
         {{"XDG_CONFIG_HOME", "/cfg"}},
         "/usr/bin",
         "/usr/bin",
         "/usr/bin"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const FileLocations decided = decideFileLocations(c.program, host(c.writable, c.variables, c.installed));
        EXPECT_EQ(decided.configuration, c.configuration);
        EXPECT_EQ(decided.data, c.data);
        EXPECT_EQ(decided.shipped, c.shipped);
        const bool perUser = c.configuration != c.program;
        EXPECT_EQ(decided.perUser, perUser);
        // The desktop program's settings join the data only when they cannot stay where it starts.
        EXPECT_EQ(decided.settings, perUser ? c.data : path());
    }
}

TEST(FileLocations, AWritableProgramFolderHoldsEverythingAsBefore) {
    testing::ScopedProgramDirectory folder;
    const FileLocations running = fileLocations();
    EXPECT_FALSE(running.perUser);
    EXPECT_EQ(running.configuration, folder.path());
    EXPECT_EQ(running.data, folder.path());
    EXPECT_EQ(running.shipped, folder.path());
    EXPECT_NE(describeFileLocations(running).find(folder.path().string()), std::string::npos);
}

TEST(FileLocations, TheFirstPortChoiceCreatesTheConfigurationFolder) {
    testing::ScopedProgramDirectory folder;
    const path file = folder.path() / "config" / "vantrel" / kPortConfigurationFileName;
    writePortNumber(file, 2);
    EXPECT_EQ(readPortNumber(file), 2);
}

TEST(FileLocations, TheTechniciansOwnCopyOfAShippedFileWins) {
    testing::ScratchDirectory config("config");
    testing::ScratchDirectory shipped("shipped");
    const FileLocations locations{config.path(), config.path(), shipped.path(), config.path(), true};
    EXPECT_EQ(locations.chosenOrShipped("bbo.cfg"), shipped.path() / "bbo.cfg");
    std::ofstream(config.path() / "bbo.cfg") << "own";
    EXPECT_EQ(locations.chosenOrShipped("bbo.cfg"), config.path() / "bbo.cfg");
}

}  // namespace
}  // namespace vantrel
