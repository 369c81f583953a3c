#include "app/vantrelPrinter.h"

#include "printing/ReportPageRenderer.h"

#include <QDir>
#include <QPrinterInfo>

#include <cctype>
#include <sstream>

namespace vantrel {

PrinterEntry parsePrinterEntry(const std::string& entry) {
    PrinterEntry parsed;
    std::istringstream fields(entry);
    std::getline(fields, parsed.device, ',');
    std::getline(fields, parsed.driver, ',');
    std::getline(fields, parsed.port, ',');
    return parsed;
}

vantrelPrinter::vantrelPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    useDevice(QPrinterInfo::defaultPrinterName().toStdString());
}

void vantrelPrinter::useDevice(const std::string& device) {
    device_ = device;
    if (device.empty()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setPageLayout(ReportPageRenderer::defaultPageLayout());
        return;
    }
    printer_->setOutputFormat(QPrinter::NativeFormat);
    printer_->setPrinterName(QString::fromStdString(device));
}

// A named printer the print system does not know would silently become a PDF file: it fails.
bool vantrelPrinter::probe() {
    const bool named = !device_.empty();
    lastProbeFailed_ = named && (QPrinterInfo::printerInfo(QString::fromStdString(device_)).isNull() ||
                                 !printer_->isValid() || printsToFile());
    return !lastProbeFailed_;
}

void vantrelPrinter::followDefault(const std::string& entry) {
    const PrinterEntry named = parsePrinterEntry(entry);
    // The printer in use, as the technician set it up, stays while it works.
    if (!lastProbeFailed_ && named.device == device_ && named.driver == driver_ && named.port == port_) return;
    driver_ = named.driver;
    port_ = named.port;
    useDevice(named.device);
}

// Only letters, digits, '-' and '_' of the serial number make the name: it comes from the radio.
void vantrelPrinter::suggestFileName(const std::string& serialNumber) {
    if (!printsToFile()) return;
    const QString current = printer_->outputFileName();
    if (!current.isEmpty() && current != suggested_) return;
    std::string name;
    for (const char c : serialNumber) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_') name += c;
    }
    if (name.empty()) name = "report";
    suggested_ = QDir::current().absoluteFilePath(QString::fromStdString(name + ".pdf"));
    printer_->setOutputFileName(suggested_);
}

}  // namespace vantrel
