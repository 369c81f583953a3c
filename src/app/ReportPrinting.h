#pragma once

#include <functional>
#include <memory>
#include <string>

class QMainWindow;
class QMdiSubWindow;

namespace vantrel {

class TApxMdiEditFile;
class TApxPreviewWin;
class TVantrelMDIClient;
class vantrelPrinter;

// Printer Setup, Print/Printout Preview and the preview's Print button: the softpot report of
// the image in memory, written to "display.txt", printed through the print dialog or shown page
// by page first. Holds the run's printer from its first use on.
class ReportPrinting {
public:
    // `mainWindow` is hidden while the preview stands in its place; `print` sends the preview's
    // Print button to the main window's commands.
    ReportPrinting(TVantrelMDIClient& client, QMainWindow& mainWindow, std::function<void()> print);
    ~ReportPrinting();
    ReportPrinting(const ReportPrinting&) = delete;
    ReportPrinting& operator=(const ReportPrinting&) = delete;

    void printerSetup();
    void printPreview();
    void printFromPreview();

    // The desktop's default printer as "device,driver,port", asked at every command so that a
    // change of it is followed (tests name their own).
    std::function<std::string()> defaultPrinterEntry;

    vantrelPrinter* printer() const { return printer_.get(); }
    int printingCount() const { return printingCount_; }
    TApxPreviewWin* preview() const { return preview_; }

private:
    void runJob(void (ReportPrinting::*job)());
    bool openReport();
    void closeReport();
    vantrelPrinter& usePrinter();
    void printWithDialog();
    void runPreview();

    TVantrelMDIClient& client_;
    QMainWindow& mainWindow_;
    std::function<void()> print_;
    std::unique_ptr<vantrelPrinter> printer_;
    int printingCount_ = 0;
    TApxMdiEditFile* report_ = nullptr;
    QMdiSubWindow* reportFrame_ = nullptr;
    TApxPreviewWin* preview_ = nullptr;
};

}  // namespace vantrel
