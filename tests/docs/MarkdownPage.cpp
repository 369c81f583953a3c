#include "MarkdownPage.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <memory>
#include <regex>
#include <stdexcept>
#include <utility>

namespace vantrel::testing {
namespace {

// The XML cmark-gfm makes of a page: one element per node of the document.
std::string documentXml(const std::filesystem::path& file) {
    const std::string command =
        std::string(VANTREL_CMARK) + " --extension table --to xml '" + file.string() + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe) throw std::runtime_error("cannot run " + command);
    std::string xml;
    std::array<char, 4096> chunk{};
    while (const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), pipe.get())) xml.append(chunk.data(), n);
    if (::pclose(pipe.release()) != 0 || xml.empty()) throw std::runtime_error(command + " failed");
    return xml;
}

std::string unescaped(std::string text) {
    static const std::array<std::pair<std::string, std::string>, 5> kEntities{
        {{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}}};
    for (const auto& [entity, character] : kEntities) {
        for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
            text.replace(at, entity.size(), character);
        }
    }
    return text;
}

// Calls `take` with the first group of every match of `pattern` in `text`, unescaped.
template <typename Take>
void eachMatch(const std::string& text, const std::regex& pattern, Take take) {
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator(); ++it) {
        take(unescaped((*it)[1].str()));
    }
}

void readRawHtml(const std::string& html, MarkdownPage& page) {
    static const std::regex kId(R"re(\bid="([^"]*)")re");
    static const std::regex kHref(R"re(\bhref="([^"]*)")re");
    static const std::regex kSrc(R"re(\bsrc="([^"]*)")re");
    eachMatch(html, kId, [&](std::string id) { page.anchors.insert(std::move(id)); });
    eachMatch(html, kHref, [&](std::string href) { page.links.push_back(std::move(href)); });
    eachMatch(html, kSrc, [&](std::string src) { page.pictures.push_back(std::move(src)); });
}

}  // namespace

std::string headingAnchor(const std::string& text) {
    std::string anchor;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) || c == '-' || c == '_') {
            anchor += static_cast<char>(std::tolower(u));
        } else if (c == ' ') {
            anchor += '-';
        }
    }
    return anchor;
}

MarkdownPage readMarkdownPage(const std::filesystem::path& file) {
    static const std::regex kLink(R"re(<link destination="([^"]*)")re");
    static const std::regex kImage(R"re(<image destination="([^"]*)")re");
    static const std::regex kHtml(R"re(<html_(?:inline|block) xml:space="preserve">([^<]*)</html_)re");
    static const std::regex kHeading(R"re(<heading level="[0-9]">([\s\S]*?)</heading>)re");
    static const std::regex kWords(R"re(<(?:text|code) xml:space="preserve">([^<]*)</)re");

    const std::string xml = documentXml(file);
    MarkdownPage page;
    eachMatch(xml, kLink, [&](std::string to) { page.links.push_back(std::move(to)); });
    eachMatch(xml, kImage, [&](std::string to) { page.pictures.push_back(std::move(to)); });
    eachMatch(xml, kHtml, [&](const std::string& html) { readRawHtml(html, page); });
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), kHeading); it != std::sregex_iterator(); ++it) {
        std::string text;
        eachMatch((*it)[1].str(), kWords, [&](const std::string& words) { text += words; });
        page.anchors.insert(headingAnchor(text));
    }
    return page;
}

}  // namespace vantrel::testing
