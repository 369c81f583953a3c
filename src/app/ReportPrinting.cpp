#include "app/ReportPrinting.h"

#include "app/TApxMdiEditFile.h"
#include "app/TApxPreviewWin.h"
#include "app/TTunerNotifyDlg.h"
#include "app/TVantrelMDIChild.h"
#include "app/TVantrelMDIClient.h"
#include "app/vantrelPrinter.h"
#include "files/previewFileModule.h"
#include "printing/ReportPageRenderer.h"

#include <QEventLoop>
#include <QMainWindow>
#include <QPrinterInfo>

namespace vantrel {

namespace {

constexpr const char* kCloseWindows = "Please close all windows before printing";
constexpr const char* kInstallPrinter = "Please install Default Printer Device !!";
constexpr const char* kReportNotWritten = "The report file display.txt could not be written!!";
constexpr const char* kNotPrinted = "'Document' not printed. Error encountered during print.";

// Counts a print or preview job for as long as it runs.
class PrintingJob {
public:
    explicit PrintingJob(int& count) : count_(count) { ++count_; }
    ~PrintingJob() { --count_; }
    PrintingJob(const PrintingJob&) = delete;
    PrintingJob& operator=(const PrintingJob&) = delete;

private:
    int& count_;
};

}  // namespace

ReportPrinting::ReportPrinting(TVantrelMDIClient& client, QMainWindow& mainWindow, std::function<void()> print)
    : defaultPrinterEntry([] { return QPrinterInfo::defaultPrinterName().toStdString(); }),
      client_(client),
      mainWindow_(mainWindow),
      print_(std::move(print)) {}

ReportPrinting::~ReportPrinting() = default;

vantrelPrinter& ReportPrinting::usePrinter() {
    if (!printer_) printer_ = std::make_unique<vantrelPrinter>();
    printer_->followDefault(defaultPrinterEntry());
    return *printer_;
}

// Writes the report of the image in memory and loads it into the hidden report window. A
// refusal has been told to the technician when it returns false.
bool ReportPrinting::openReport() {
    Interaction& ui = client_.interaction();
    if (client_.openScreenKind() != 0) {
        ui.message(kCloseWindows, "Note", MessageIcon::Information);
        return false;
    }
    if (!previewFileModule(client_.storage()).writeReport()) {
        ui.message(kReportNotWritten, "ERROR", MessageIcon::Exclamation);
        return false;
    }
    report_ = new TApxMdiEditFile(previewFileModule::kReportName);
    reportFrame_ = new TVantrelMDIChild(report_, QString());
    client_.addSubWindow(reportFrame_);
    reportFrame_->hide();
    return true;
}

void ReportPrinting::closeReport() {
    delete reportFrame_;
    reportFrame_ = nullptr;
    report_ = nullptr;
}

void ReportPrinting::printerSetup() { runJob(&ReportPrinting::printWithDialog); }

void ReportPrinting::printPreview() { runJob(&ReportPrinting::runPreview); }

// The steps both menu commands share: the report written and loaded, the job counted, and the
// printer probed before `job` runs.
void ReportPrinting::runJob(void (ReportPrinting::*job)()) {
    if (!openReport()) return;
    {
        PrintingJob counted(printingCount_);
        if (usePrinter().probe()) {
            (this->*job)();
        } else {
            client_.interaction().message(kInstallPrinter, "NOTE", MessageIcon::Information);
        }
    }
    closeReport();
}

void ReportPrinting::printFromPreview() {
    if (report_ == nullptr) return;
    usePrinter();
    PrintingJob job(printingCount_);
    printWithDialog();
}

// The print dialog offers every page of the report on the printer's page; the notification
// follows it once, and then the chosen pages are printed.
void ReportPrinting::printWithDialog() {
    vantrelPrinter& printer = *printer_;
    printer.suggestFileName(client_.storage().serialNumber());
    QPrinter& device = printer.printer();
    const ReportPageRenderer renderer(report_->lines());
    const int pages = renderer.pageCount(device.pageLayout());
    Interaction& ui = client_.interaction();
    if (!ui.choosePrinter(device, 1, pages)) return;
    TTunerNotifyDlg notification(report_);
    ui.runDialog(notification);

    int first = 1;
    int last = renderer.pageCount(device.pageLayout());
    if (device.printRange() == QPrinter::PageRange && device.fromPage() > 0) {
        first = device.fromPage();
        last = device.toPage();
    }
    if (!renderer.print(device, first, last)) ui.message(kNotPrinted, "Print Error", MessageIcon::Exclamation);
}

// The preview takes the main window's place until it is closed, then gives it back its own
// last position and size.
void ReportPrinting::runPreview() {
    const ReportPageRenderer renderer(report_->lines());
    QEventLoop loop;
    bool closed = false;
    auto* preview = new TApxPreviewWin(
        mainWindow_.windowTitle(), renderer, printer_->printer().pageLayout(), print_,
        [&] {
            closed = true;
            loop.quit();
        },
        &mainWindow_);
    preview_ = preview;
    preview->setWindowModality(Qt::ApplicationModal);
    preview->setGeometry(mainWindow_.geometry());
    preview->showMaximized();
    mainWindow_.hide();
    if (!closed) loop.exec();
    mainWindow_.setGeometry(preview->geometry());
    mainWindow_.showMaximized();
    preview_ = nullptr;
    delete preview;
}

}  // namespace vantrel
