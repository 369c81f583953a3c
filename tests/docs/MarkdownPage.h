#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace vantrel::testing {

// What a Markdown page of the documentation points at and offers to be pointed at, as cmark-gfm
// (the tool that makes the help pages) reads it.
struct MarkdownPage {
    std::vector<std::string> links;     // link destinations, and href of raw HTML
    std::vector<std::string> pictures;  // image destinations, and src of raw HTML
    // id of raw HTML, and the anchor a forge gives each heading (its text in lower case, blanks
    // as hyphens, punctuation left out).
    std::set<std::string> anchors;
};

// Reads a page; throws when cmark-gfm cannot.
MarkdownPage readMarkdownPage(const std::filesystem::path& file);

// The anchor a forge gives a heading of this text.
std::string headingAnchor(const std::string& text);

}  // namespace vantrel::testing
