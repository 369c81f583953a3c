#include "files/previewPages.h"
#include "files/reportPages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

TEST(ReportPages, LinesAreSplitAtLineEndsAndCutToTheDrawingLimit) {
    const std::string longLine(300, 'x');
    const auto lines = splitReportLines("a\r\n\n\tb\n" + longLine + "\nlast");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "\tb");
    EXPECT_EQ(lines[3], std::string(255, 'x'));
    EXPECT_EQ(lines[4], "last");
    EXPECT_EQ(splitReportLines("one\ntwo\n").size(), 2u);
    EXPECT_TRUE(splitReportLines("").empty());
}

TEST(ReportPages, LinesPerPageRoundToTheNearestWholeLine) {
    struct Case {
        double page, line;
        int expected;
    };
    for (const Case& c : {Case{600, 10, 60}, Case{604.9, 10, 60}, Case{605, 10, 61}, Case{9, 10, 1}, Case{4, 10, 0},
                          Case{600, 0, 0}, Case{0, 10, 0}, Case{-5, 10, 0}}) {
        EXPECT_EQ(reportLinesPerPage(c.page, c.line), c.expected) << c.page << " / " << c.line;
    }
}

// The last partial page is a page of its own, and lines that fill their pages exactly add none.
TEST(ReportPages, PagesHoldEveryLineAndNoEmptyPage) {
    struct Case {
        std::size_t lines;
        int perPage;
        int pages;
        ReportPageLines last;
    };
    for (const Case& c : {Case{130, 60, 3, {120, 130}}, Case{120, 60, 2, {60, 120}}, Case{59, 60, 1, {0, 59}},
                          Case{61, 60, 2, {60, 61}}, Case{0, 60, 1, {0, 0}}, Case{10, 0, 1, {0, 0}}}) {
        SCOPED_TRACE(std::to_string(c.lines) + " lines at " + std::to_string(c.perPage));
        EXPECT_EQ(reportPageCount(c.lines, c.perPage), c.pages);
        const ReportPageLines last = reportPageLines(c.pages, c.perPage, c.lines);
        EXPECT_EQ(last.first, c.last.first);
        EXPECT_EQ(last.end, c.last.end);
    }
    const ReportPageLines beyond = reportPageLines(4, 60, 130);
    EXPECT_EQ(beyond.first, beyond.end);
}

TEST(PreviewPages, StepsAndPairsFollowTheButtons) {
    struct Step {
        const char* button;
        const char* text;
        bool back, forward;
    };
    previewPages pages(3);
    const Step steps[] = {
        {"", "Page 1", false, true},
        {"next", "Page 2", true, true},
        {"two", "Page 2 - 3", true, false},
        {"next", "Page 2 - 3", true, false},
        {"previous", "Page 1 - 2", false, true},
        {"one", "Page 1", false, true},
        {"next", "Page 2", true, true},
        {"next", "Page 3", true, false},
        {"two", "Page 2 - 3", true, false},
    };
    for (const Step& step : steps) {
        const std::string button = step.button;
        if (button == "next") pages.next();
        if (button == "previous") pages.previous();
        if (button == "two") pages.showTwo();
        if (button == "one") pages.showOne();
        SCOPED_TRACE(button);
        EXPECT_EQ(pages.pageText(), step.text);
        EXPECT_EQ(pages.canGoBack(), step.back);
        EXPECT_EQ(pages.canGoForward(), step.forward);
    }
}

TEST(PreviewPages, OnePageReportLeavesTheSecondPlaceEmptyAndLandscapeShowsOne) {
    previewPages single(1);
    single.showTwo();
    EXPECT_TRUE(single.twoPages());
    EXPECT_EQ(single.secondShown(), 0);
    EXPECT_EQ(single.pageText(), "Page 1");
    EXPECT_FALSE(single.canGoForward());
    EXPECT_TRUE(previewPages::canShowTwo(210, 297));
    EXPECT_FALSE(previewPages::canShowTwo(297, 210));
}

}  // namespace
}  // namespace vantrel
