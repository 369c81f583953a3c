#include "MarkdownPage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace vantrel::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kSource(VANTREL_SOURCE_DIR);

// The pages of the documentation: the front door, the developer's pages and the manual.
std::vector<std::string> documentationPages() {
    std::vector<std::string> pages{"README.md", "CONTRIBUTING.md", "CHANGELOG.md"};
    std::vector<std::string> manual;
    for (const auto& entry : fs::directory_iterator(kSource / "docs")) {
        if (entry.path().extension() == ".md") manual.push_back("docs/" + entry.path().filename().string());
    }
    std::sort(manual.begin(), manual.end());
    pages.insert(pages.end(), manual.begin(), manual.end());
    return pages;
}

const MarkdownPage& page(const fs::path& file) {
    static std::map<fs::path, MarkdownPage> read;
    const fs::path key = fs::weakly_canonical(file);
    auto found = read.find(key);
    if (found == read.end()) found = read.emplace(key, readMarkdownPage(key)).first;
    return found->second;
}

bool isWebLink(const std::string& target) { return target.starts_with("http://") || target.starts_with("https://"); }

// What is wrong with a link or picture of `from`, or nothing. A web link is only checked for its
// form: the tests run without a network.
std::string problemWith(const fs::path& from, const std::string& target) {
    if (isWebLink(target)) {
        static const std::regex kWellFormed(R"re(https?://[A-Za-z0-9-]+(\.[A-Za-z0-9-]+)+(:[0-9]+)?(/[^\s<>"]*)?)re");
        return std::regex_match(target, kWellFormed) ? "" : "is no well-formed web address";
    }
    if (target.empty() || target.find("://") != std::string::npos || target.starts_with("mailto:")) {
        return "is neither a file of the repository nor a web address";
    }
    const std::size_t hash = target.find('#');
    const fs::path file = hash == 0 ? from : from.parent_path() / target.substr(0, hash);
    if (!fs::exists(file)) return "names a file that does not exist";
    if (hash == std::string::npos) return "";
    if (file.extension() != ".md") return "points at an anchor of a page that is not Markdown";
    return page(file).anchors.contains(target.substr(hash + 1)) ? "" : "points at an anchor its page does not have";
}

class DocumentLinksTest : public ::testing::TestWithParam<std::string> {};

TEST_P(DocumentLinksTest, EveryLinkAndPictureResolves) {
    const fs::path file = kSource / GetParam();
    const MarkdownPage& read = page(file);
    for (const std::string& target : read.links) {
        EXPECT_EQ(problemWith(file, target), "") << GetParam() << ": the link " << target;
    }
    for (const std::string& target : read.pictures) {
        EXPECT_FALSE(isWebLink(target)) << GetParam() << ": the picture " << target << " is not in the repository";
        EXPECT_EQ(problemWith(file, target), "") << GetParam() << ": the picture " << target;
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, DocumentLinksTest, ::testing::ValuesIn(documentationPages()),
                         [](const ::testing::TestParamInfo<std::string>& shown) {
                             std::string name = shown.param;
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                             return name;
                         });

// A picture made for the documentation is shown by it: an unused one is a stale one.
TEST(DocumentPictures, EveryPictureOfDocsScreensIsShown) {
    std::vector<fs::path> shown;
    for (const std::string& name : documentationPages()) {
        const fs::path file = kSource / name;
        for (const std::string& target : page(file).pictures) {
            shown.push_back(fs::weakly_canonical(file.parent_path() / target));
        }
    }
    int pictures = 0;
    for (const auto& entry : fs::directory_iterator(kSource / "docs" / "screens")) {
        ++pictures;
        EXPECT_NE(std::find(shown.begin(), shown.end(), fs::weakly_canonical(entry.path())), shown.end())
            << entry.path().filename() << " is shown by no page";
    }
    EXPECT_GT(pictures, 0);
}

// The README is a front door: short, with the two commands that run Vantrel and its tests on its
// first screen.
TEST(DocumentPages, ReadmeIsShortAndOpensWithItsTwoCommands) {
    std::ifstream readme(kSource / "README.md");
    std::vector<std::string> lines;
    for (std::string line; std::getline(readme, line);) lines.push_back(line);
    EXPECT_LE(lines.size(), 150u);
    const auto onFirstScreen = [&](const std::string& command) {
        return std::any_of(lines.begin(), lines.begin() + std::min<std::size_t>(lines.size(), 24),
                           [&](const std::string& line) { return line.find(command) != std::string::npos; });
    };
    EXPECT_TRUE(onFirstScreen("scripts/demo.sh"));
    EXPECT_TRUE(onFirstScreen("scripts/test.sh"));
}

// The anchors a forge gives headings, which the manual's links into other pages rely on.
TEST(DocumentPages, HeadingAnchorsAreThoseOfAForge) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Exit status", "exit-status"},
        {"Scripted alignment: tune", "scripted-alignment-tune"},
        {"The command line: vantrel-cli", "the-command-line-vantrel-cli"},
        {"Before and after (compare)", "before-and-after-compare"},
    };
    for (const auto& [text, anchor] : cases) EXPECT_EQ(headingAnchor(text), anchor) << text;
}

}  // namespace
}  // namespace vantrel::testing
