#pragma once

#include <QPrinter>

#include <memory>
#include <string>

namespace vantrel {

// The one printer of a run, made on first use from the desktop's default printer. A machine
// without a printer prints to a PDF file instead, on the report's default page.
class vantrelPrinter {
public:
    vantrelPrinter();

    QPrinter& printer() { return *printer_; }
    bool printsToFile() const { return printer_->outputFormat() == QPrinter::PdfFormat; }

    // Whether the printer can be printed on; a named printer that does not answer cannot.
    bool probe();

    // A change of the default printer: "device,driver,port", empty when there is none. The
    // printer follows it, unless it is the printer already in use and that one worked.
    void followDefault(const std::string& entry);

    // A PDF file named after the radio, in the working directory, unless the technician chose
    // another name before.
    void suggestFileName(const std::string& serialNumber);

    const std::string& device() const { return device_; }

private:
    void useDevice(const std::string& device);

    std::unique_ptr<QPrinter> printer_;
    std::string device_, driver_, port_;
    bool lastProbeFailed_ = false;
    QString suggested_;
};

// "device,driver,port" as the three names (missing ones empty).
struct PrinterEntry {
    std::string device, driver, port;
};
PrinterEntry parsePrinterEntry(const std::string& entry);

}  // namespace vantrel
