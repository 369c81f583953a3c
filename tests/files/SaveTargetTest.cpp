#include "files/fileBytes.h"
#include "support/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

struct SaveCase {
    fs::path path;
    SaveRefusal refusal;
    fs::path lands;
};

// A save lands on the file a link names, and never renames over anything but a regular file.
// Where the file system has no symbolic links (Wine), the cases without links still run.
TEST(SaveTarget, FollowsLinksAndRefusesWhatIsNoRegularFile) {
    testing::ScratchDirectory scratch;
    const fs::path file = scratch / "kept.sfp";
    testing::writeWholeFile(file, "old");
    fs::create_directory(scratch / "folder");
    std::vector<SaveCase> cases{
        {scratch / "new.sfp", SaveRefusal::None, scratch / "new.sfp"},
        {file, SaveRefusal::None, file},
        {scratch / "folder", SaveRefusal::Directory, {}},
        {scratch / "no-folder" / "x.sfp", SaveRefusal::CannotCreate, {}},
    };
    std::error_code noLinks;
    fs::create_symlink(file, scratch / "link.sfp", noLinks);
    if (!noLinks) {
        fs::create_symlink(scratch / "missing.sfp", scratch / "dangling.sfp");
        fs::create_directory_symlink(scratch / "folder", scratch / "folder-link");
        cases.push_back({scratch / "link.sfp", SaveRefusal::None, file});
        cases.push_back({scratch / "dangling.sfp", SaveRefusal::BrokenLink, {}});
        cases.push_back({scratch / "folder-link", SaveRefusal::Directory, {}});
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.string());
        EXPECT_EQ(probeSave(c.path), c.refusal);
        EXPECT_EQ(replaceFile(c.path, "new"), c.refusal == SaveRefusal::None);
        if (!c.lands.empty()) {
            EXPECT_EQ(testing::readWholeFile(c.lands), "new");
        }
    }
    EXPECT_TRUE(fs::is_directory(scratch / "folder"));
    if (!noLinks) {
        EXPECT_TRUE(fs::is_symlink(scratch / "link.sfp"));
        EXPECT_TRUE(fs::is_symlink(scratch / "dangling.sfp"));
        EXPECT_FALSE(fs::exists(scratch / "missing.sfp"));
    }
    // Nothing but what was saved: no temporary left behind by the probes or the refusals.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(scratch.path())) ++entries;
    EXPECT_EQ(entries, noLinks ? 3 : 6);  // kept, new, folder; and the three links
}

#ifndef _WIN32
TEST(SaveTarget, RefusesADevice) {
    EXPECT_EQ(probeSave("/dev/null"), SaveRefusal::NotARegularFile);
    EXPECT_FALSE(replaceFile("/dev/null", "x"));
}
#endif

}  // namespace
}  // namespace vantrel
