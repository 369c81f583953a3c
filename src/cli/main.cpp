#include "cli/CliCommand.h"

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define VANTREL_ISATTY _isatty
#else
#include <unistd.h>
#define VANTREL_ISATTY ::isatty
#endif

#ifdef VANTREL_CLI_PDF
#include "printing/ReportPageRenderer.h"
#include "printing/ServiceReportRenderer.h"

#include <QGuiApplication>
#include <memory>
#endif

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const bool errIsTerminal = VANTREL_ISATTY(2) != 0;
#ifdef VANTREL_CLI_PDF
    // Fonts and the PDF writer need the toolkit's application object, made only when a PDF is
    // written. The command line never shows a window: it takes the offscreen platform and so
    // runs without a display.
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    std::unique_ptr<QGuiApplication> toolkit;
    auto startToolkit = [&] {
        if (QGuiApplication::instance() != nullptr) return;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        toolkit = std::make_unique<QGuiApplication>(toolkitArgc, toolkitArgv);
    };
    auto writePdf = [&](const std::vector<std::string>& lines, const std::string& path) {
        startToolkit();
        return vantrel::writeReportPdf(lines, path);
    };
    auto writeServicePdf = [&](const vantrel::ServiceReport& report, const std::string& path) {
        startToolkit();
        return vantrel::writeServiceReportPdf(report, path);
    };
    return vantrel::cli::runCli(arguments, std::cout, std::cerr, errIsTerminal, writePdf, writeServicePdf);
#else
    return vantrel::cli::runCli(arguments, std::cout, std::cerr, errIsTerminal);
#endif
}
