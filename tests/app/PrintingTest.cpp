// Printer Setup, Print/Printout Preview and vantrel-cli report --pdf, offscreen, with the print
// dialog scripted and the pages read back from the PDF files they make.

#include "GuiFixture.h"
#include "ModalDriver.h"

#include "app/CommandIds.h"
#include "app/ReportPrinting.h"
#include "app/TApxPreviewWin.h"
#include "app/TTunerNotifyDlg.h"
#include "app/vantrelPrinter.h"
#include "files/previewFileModule.h"
#include "files/reportPages.h"
#include "printing/ReportPageRenderer.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPdfWriter>
#include <QPushButton>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace vantrel::testing {
namespace {

using namespace command;
using Page = std::vector<std::string>;

// A line as text extraction gives it back: without its blanks and tabs, whose widths only the
// layout knows.
std::string withoutBlanks(const std::string& line) {
    std::string kept;
    for (const char c : line) {
        if (c != ' ' && c != '\t') kept += c;
    }
    return kept;
}

// The pages of a PDF file as `pdftotext -layout` reads them, blank lines left out.
std::vector<Page> pdfPages(const std::filesystem::path& pdf) {
    const std::string command = "pdftotext -layout '" + pdf.string() + "' - 2>/dev/null";
    std::vector<Page> pages(1);
    FILE* text = ::popen(command.c_str(), "r");
    if (text == nullptr) return {};
    std::string line;
    for (int c = std::fgetc(text); c != EOF; c = std::fgetc(text)) {
        if (c == '\f') pages.emplace_back();
        if (c != '\n' && c != '\f') line += static_cast<char>(c);
        if (c == '\n' || c == '\f') {
            if (!withoutBlanks(line).empty()) pages.back().push_back(withoutBlanks(line));
            line.clear();
        }
    }
    ::pclose(text);
    if (pages.back().empty()) pages.pop_back();  // after the last page's form feed
    return pages;
}

// What those pages must be: the report's lines, cut as the pagination cuts them.
std::vector<Page> expectedPages(const std::vector<std::string>& lines, int perPage) {
    std::vector<Page> pages;
    for (int page = 1; page <= reportPageCount(lines.size(), perPage); ++page) {
        const ReportPageLines shown = reportPageLines(page, perPage, lines.size());
        pages.emplace_back();
        for (std::size_t i = shown.first; i < shown.end; ++i) {
            if (!withoutBlanks(lines[i]).empty()) pages.back().push_back(withoutBlanks(lines[i]));
        }
    }
    return pages;
}

std::vector<std::string> reportFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return splitReportLines(text.str());
}

TEST(ReportPageRendererTest, LastPartialPageIsPrintedAndFullPagesAddNoEmptyOne) {
    ASSERT_EQ(std::system("command -v pdftotext >/dev/null"), 0) << "pdftotext (poppler-utils) is missing";
    const ReportPageRenderer probe({});
    // A page with room for exactly 60 lines.
    const double points = 60 * probe.lineHeight() * 72.0 / ReportPageRenderer::kScreenDpi;
    const QPageLayout sixty(QPageSize(QSizeF(400, points), QPageSize::Point), QPageLayout::Portrait, QMarginsF());
    for (const int count : {130, 120}) {
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i) lines.push_back("line\t" + std::to_string(i));
        const ReportPageRenderer renderer(lines);
        ASSERT_EQ(renderer.linesPerPage(sixty), 60);
        const auto pdf = std::filesystem::temp_directory_path() / ("vantrel-pages-" + std::to_string(count) + ".pdf");
        {
            QPdfWriter writer(QString::fromStdString(pdf.string()));
            writer.setPageLayout(sixty);
            ASSERT_TRUE(renderer.print(writer, 1, renderer.pageCount(sixty)));
        }
        const std::vector<Page> pages = pdfPages(pdf);
        EXPECT_EQ(pages, expectedPages(lines, 60)) << count << " lines";
        EXPECT_EQ(pages.size(), count == 130 ? 3u : 2u);
        if (count == 130) {
            EXPECT_EQ(pages.back().front(), "line120");
        }
        std::filesystem::remove(pdf);
    }
}

TEST(PrintNotificationTest, DialogHoldsItsMessageAndAnOkButton) {
    TTunerNotifyDlg dialog;
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Print Notifcation");
    const auto* group = dialog.findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title().toStdString(), "Notification Message");
    EXPECT_EQ(group->findChild<QLabel*>()->text().toStdString(),
              "Printing format changes will take effect immediately. However, for the print preview window to be "
              "updated, please close the current print preview window and then open it again.");
    const auto* ok = dialog.findChild<QPushButton*>();
    EXPECT_EQ(ok->text().toStdString(), "OK");
    EXPECT_EQ(ok->width(), 90);
}

class PrintingTest : public GuiTest {
protected:
    void SetUp() override { startWithRadioRead(); }

    ReportPrinting& printing() { return app->printing(); }

    // Answers the print dialog with Print to the PDF file it suggests, noting the range offered.
    void printToSuggestedFile() {
        ui.printDialogs.push_back([this](QPrinter& printer) {
            suggested = printer.outputFileName().toStdString();
            return true;
        });
    }

    std::vector<RecordingInteraction::Kind> kinds() const {
        std::vector<RecordingInteraction::Kind> shown;
        for (const auto& event : ui.events) shown.push_back(event.kind);
        return shown;
    }

    std::vector<std::string> reportLines() { return reportFile(folder.path() / "display.txt"); }
    int linesPerPage() { return ReportPageRenderer({}).linesPerPage(printing().printer()->printer().pageLayout()); }

    std::string suggested;
};

TEST_F(PrintingTest, RefusalsOfBothCommandsWithTheirTexts) {
    for (const int command : {kPrinterSetup, kPrintPreview}) {
        SCOPED_TRACE(command);
        ui.clear();
        client().openScreenKind() = 5;
        choose(command);
        client().openScreenKind() = 0;
        printing().defaultPrinterEntry = [] { return std::string("Ghost Printer,ghost,ghost:"); };
        choose(command);
        EXPECT_EQ(ui.messages(), (std::vector<ShownMessage>{note("Please close all windows before printing", "Note"),
                                                            note("Please install Default Printer Device !!", "NOTE")}));
        EXPECT_EQ(printing().printingCount(), 0);
        EXPECT_TRUE(client().subWindowList().isEmpty()) << "the report window is gone";
        printing().defaultPrinterEntry = [] { return std::string(); };
    }
}

TEST_F(PrintingTest, PrintedPdfHoldsTheReportLineForLineWithThePagesOffered) {
    printToSuggestedFile();
    choose(kPrinterSetup);
    EXPECT_EQ(suggested, (folder.path() / "781TKA0101.pdf").string()) << "named after the radio";
    ASSERT_EQ(kinds(), (std::vector{RecordingInteraction::Kind::PrintDialog, RecordingInteraction::Kind::Dialog}));
    EXPECT_EQ(ui.dialogTitles(), std::vector<std::string>{"Print Notifcation"});

    const std::vector<std::string> lines = reportLines();
    ASSERT_GT(lines.size(), 100u);
    const std::vector<Page> pages = pdfPages(suggested);
    EXPECT_EQ(pages, expectedPages(lines, linesPerPage()));
    EXPECT_EQ(ui.events[0].pages, std::make_pair(1, static_cast<int>(pages.size())));
    EXPECT_EQ(printing().printingCount(), 0);

    // A second job in the run uses the same printer and tells its notification again.
    vantrelPrinter* printer = printing().printer();
    ui.clear();
    printToSuggestedFile();
    choose(kPrinterSetup);
    EXPECT_EQ(printing().printer(), printer);
    EXPECT_EQ(ui.dialogTitles(), std::vector<std::string>{"Print Notifcation"});
}

TEST_F(PrintingTest, CommandLinePdfHasTheSamePages) {
    const auto archive = work.path() / "radio.sfp";
    ASSERT_TRUE(client().archive().saveArchive(archive, client().storage()));
    const auto pdf = work.path() / "cli.pdf";
    const std::string command = "env -u DISPLAY '" + std::string(VANTREL_BIN_DIR) + "/vantrel-cli' report '" +
                                archive.string() + "' --pdf '" + pdf.string() + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::vector<std::string> lines = splitReportLines(previewFileModule(client().storage()).reportText());
    const int perPage = ReportPageRenderer({}).linesPerPage(ReportPageRenderer::defaultPageLayout());
    EXPECT_EQ(pdfPages(pdf), expectedPages(lines, perPage));
}

TEST_F(PrintingTest, PreviewStandsInForTheMainWindowAndNeverShowsTheNotification) {
    int pages = 0;
    whenModal<TApxPreviewWin>([&](TApxPreviewWin& preview) {
        EXPECT_FALSE(frame().isVisible());
        EXPECT_TRUE(preview.isMaximized());
        EXPECT_EQ(preview.windowTitle().toStdString(), "Vantrel               (Preview Window)");
        EXPECT_EQ(preview.pageField()->text().toStdString(), "Page 1");
        pages = preview.pages().maximumPage();
        EXPECT_FALSE(preview.action(TApxPreviewWin::kPreviousPage)->isEnabled());
        EXPECT_TRUE(preview.action(TApxPreviewWin::kNextPage)->isEnabled());
        preview.action(TApxPreviewWin::kTwoPages)->trigger();
        EXPECT_EQ(preview.pageField()->text().toStdString(), "Page 1 - 2");
        preview.action(TApxPreviewWin::kClose)->trigger();
    });
    choose(kPrintPreview);
    EXPECT_EQ(pages, reportPageCount(reportLines().size(), linesPerPage()));
    EXPECT_TRUE(frame().isVisible());
    EXPECT_TRUE(frame().isMaximized());
    EXPECT_TRUE(ui.events.empty()) << "no print dialog and no notification";
    EXPECT_EQ(printing().printingCount(), 0);
    EXPECT_TRUE(client().subWindowList().isEmpty());
}

TEST_F(PrintingTest, PreviewPrintButtonPrintsThroughTheDialogAndLandscapeShowsOnePage) {
    int jobsWhilePrinting = 0;
    ui.printDialogs.push_back([&](QPrinter& printer) {
        jobsWhilePrinting = printing().printingCount();
        suggested = printer.outputFileName().toStdString();
        return true;
    });
    bool twoPagesOffered = true;
    whenModal<TApxPreviewWin>([&](TApxPreviewWin& preview) {
        preview.action(TApxPreviewWin::kPrint)->trigger();
        twoPagesOffered = preview.action(TApxPreviewWin::kTwoPages)->isEnabled();
        preview.close();
    });
    choose(kPrintPreview);
    EXPECT_TRUE(twoPagesOffered);
    EXPECT_EQ(jobsWhilePrinting, 2) << "the preview's job and the printing one";
    EXPECT_EQ(kinds(), (std::vector{RecordingInteraction::Kind::PrintDialog, RecordingInteraction::Kind::Dialog}));
    EXPECT_FALSE(pdfPages(suggested).empty());

    printing().printer()->printer().setPageOrientation(QPageLayout::Landscape);
    whenModal<TApxPreviewWin>([&](TApxPreviewWin& preview) {
        twoPagesOffered = preview.action(TApxPreviewWin::kTwoPages)->isEnabled();
        preview.close();
    });
    choose(kPrintPreview);
    EXPECT_FALSE(twoPagesOffered);
}

}  // namespace
}  // namespace vantrel::testing
