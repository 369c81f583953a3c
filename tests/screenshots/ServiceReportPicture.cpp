#include "ServiceReportPicture.h"

#include "PictureSession.h"
#include "app/CommandIds.h"
#include "files/radioBackup.h"
#include "files/serviceReport.h"
#include "model/radioStorage.h"
#include "printing/ServiceReportRenderer.h"
#include "support/ScratchDirectory.h"

#include <QProcess>
#include <QStringList>

#include <cstdint>
#include <stdexcept>

namespace vantrel::testing {
namespace {

// A softpot moved by the technician: its stored value at each slot changes by `by(slot)`.
struct Retune {
    std::uint8_t softpot;
    std::int64_t (*by)(std::size_t slot);
};

const Retune kRetuned[] = {
    {17, [](std::size_t i) -> std::int64_t { return 0x100 * static_cast<std::int64_t>(i % 3) + (i == 4 ? 2 : 0); }},
    {3, [](std::size_t i) -> std::int64_t { return i == 3 ? 4 : 0; }},
    {13, [](std::size_t i) -> std::int64_t { return i == 1 || i == 5 ? -3 : 0; }},
    {11, [](std::size_t) -> std::int64_t { return 7; }},
    {14, [](std::size_t) -> std::int64_t { return -2; }},
};

void retune(sim::RadioProfile& profile) {
    for (sim::SoftpotProfile& softpot : profile.softpots) {
        for (const Retune& change : kRetuned) {
            if (softpot.number != change.softpot) continue;
            auto& values = softpot.banks.at(sim::SoftpotProfile::kDefaultBank);
            for (std::size_t slot = 0; slot < values.size(); ++slot) {
                values[slot] = static_cast<std::uint32_t>(values[slot] + change.by(slot));
            }
        }
    }
}

radioStorage readRadio(PictureSession& s) {
    s.choose(command::kReadRadio);
    s.settle();
    if (!s.client().radioRead()) throw std::runtime_error("the mobile was not read");
    return s.client().storage();
}

// Where an archive came from, named as Read Radio names its backups, so the report shows a
// fixed time rather than a file's.
ArchiveOrigin backup(const radioStorage& image, const char* time) {
    const std::string name = image.serialNumber() + "-" + time + ".sfp";
    return {name, archiveTimeText(name)};
}

}  // namespace

QImage serviceReportPage(PictureSession& s) {
    s.putRadio("mobile-v2.json");
    if (!s.startApp()) throw std::runtime_error("the program did not start");
    const radioStorage before = readRadio(s);
    s.putRadio("mobile-v2.json", retune);
    const radioStorage after = readRadio(s);

    const ScratchDirectory scratch("service-report");
    const std::string pdf = (scratch / "report.pdf").string();
    const ServiceReport report =
        buildServiceReport(&before, backup(before, "20240307-090502"), after, backup(after, "20240307-093318"));
    if (!writeServiceReportPdf(report, pdf)) throw std::runtime_error("the service report was not written");

    // The page as a PDF viewer shows it, at 90 dots to the inch.
    const QString page = QString::fromStdString((scratch / "page").string());
    const int status =
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {"-png", "-r", "90", "-f", "1", "-l", "1", "-singlefile", QString::fromStdString(pdf), page});
    if (status != 0) throw std::runtime_error("pdftoppm (poppler-utils) could not draw the report");
    return QImage(page + ".png");
}

}  // namespace vantrel::testing
