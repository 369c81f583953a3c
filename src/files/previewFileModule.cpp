#include "files/previewFileModule.h"

#include "files/fileBytes.h"
#include "files/formatText.h"
#include "model/SoftpotCatalogue.h"
#include "model/kAndMPower.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"

namespace vantrel {

namespace {

using F = SoftpotFamily;

enum VersionRule { AnyVersion, NotVersion2, OnlyVersion2 };
// The VCO attenuation 12.5 and 20 kHz values are shown whatever the radio answered.
enum class Shown { WhenSupported, Always };

constexpr const char* kSectionPrefix = "\t \t\t";
constexpr const char* kValueColumns = "Frequency(MHz)\t \tSoftpot Values";
constexpr const char* kValueGap = "\t \t    ";
constexpr int kPoints = RF_Frequency::kPoints;
// The RSSI block holds the thresholds' softpot values, then their levels.
constexpr int kRssiThresholds = 3;

}  // namespace

// A family shown with one value per frequency point, or with its one value at the point it is
// tuned at. The storage place, the support code, the range and the point come from the
// catalogue; the texts, blanks included, are the report's own.
struct previewFileModule::Section {
    F family;
    const char* title;
    const char* unsupportedTitle;  // nothing at all is written when this is null
    VersionRule rule;
    int lineEnds;
    int unsupportedLineEnds;
    Shown shown = Shown::WhenSupported;
    const char* firstPlaceholder = nullptr;  // null: the usual one
};

namespace {

using Section = previewFileModule::Section;

// clang-format off
// The front end filter's F1 placeholder has always carried a blank before its tab.
constexpr Section kFrontEndFilter{F::FrontEndFilter, "**** FRONT END FILTER ****\n", "**** FRONT END FILTER UNSUPPORTED ****\n", AnyVersion, 2, 1, Shown::WhenSupported, "  (F1 NOT REQUIRED) \t    "};
constexpr Section kSquelch12k5{F::AutoSquelch125, "**** AUTO SQUELCH 12.5KHz ****\n", "**** AUTO SQUELCH UNSUPPORTED ****\n", AnyVersion, 2, 1};
constexpr Section kSquelch20k{F::AutoSquelch20, "**** AUTO SQUELCH 20KHz ****\n", nullptr, AnyVersion, 2, 0};
constexpr Section kSquelch25k{F::AutoSquelch25, "**** AUTO SQUELCH 25KHz ****\n", nullptr, AnyVersion, 2, 0};
constexpr Section kTransmitHigh{F::TransmitHighPower, "**** TRANSMIT HIGH POWER ****\n", "**** TRANSMIT POWER (PORTABLE) UNSUPPORTED ****\n", NotVersion2, 2, 1};
constexpr Section kTransmitLow{F::TransmitLowPower, "**** TRANSMIT LOW POWER ****\n", nullptr, NotVersion2, 2, 0};
constexpr Section kModulationBalance{F::ModulationBalance, "**** MODULATION BALANCE ****\n", "**** MODULATION BALANCE UNSUPPORTED ****\n", AnyVersion, 2, 1};
constexpr Section kVco25k{F::VcoAttenuation25, "**** VCO ATTENUATION 25 KHz ****\n", "**** VCO ATTENUATION 25 KHz UNSUPPORTED ****\n", AnyVersion, 2, 1};
constexpr Section kPaVoltageLimit{F::PaVoltageLimit, "**** TRANSMIT PA VOLTAGE LIMIT ****\n", "**** TRANSMIT PA VOLTAGE LIMIT UNSUPPORTED ****\n", OnlyVersion2, 2, 1};

constexpr Section kRatedVolume{F::RatedVolume, "**** RATED VOLUME  ****\n", "**** RATED VOLUME UNSUPPORTED ****\n", AnyVersion, 2, 1};
constexpr Section kRefOscWarp{F::ReferenceOscillator, "**** REFERENCE OSCILLATOR WARP ****\n", "**** REFERENCE OSCILLATOR WARP UNSUPPORTED ****\n", AnyVersion, 2, 1};
constexpr Section kVco12k5{F::VcoAttenuation125, "**** VCO ATTENUATION 12.5 KHz ****\n", nullptr, AnyVersion, 1, 0, Shown::Always};
constexpr Section kVco20k{F::VcoAttenuation20, "**** VCO ATTENUATION 20 KHz ****\n", nullptr, AnyVersion, 1, 0, Shown::Always};
constexpr Section kDtmf{F::Dtmf, "**** DTMF SIGNALLING ****\n", "**** DTMF SIGNALLING UNSUPPORTED ****\n", AnyVersion, 2, 1};
constexpr Section kDalmor{F::Dalmor, "**** DALMOR SIGNALLING ****\n", "**** DALMOR SIGNALLING UNSUPPORTED ****\n", AnyVersion, 2, 1};
constexpr Section kSelect5{F::Select5, "**** SELECT 5 ****\n", "**** SELECT 5 UNSUPPORTED ****\n", AnyVersion, 2, 3};
constexpr Section kMpt1327{F::Mpt1327, "**** MPT 1327 SIGNALLING ****\n", "**** MPT 1327 UNSUPPORTED ****\n", AnyVersion, 3, 3};
constexpr Section kTrunking{F::HighSpeedTrunking, "**** HIGH SPEED TRUNKING SIGNALLING ****\n", "**** HIGH SPEED TRUNKING SIGNALLING UNSUPPORTED ****\n", AnyVersion, 2, 3};
// clang-format on

std::string placeholder(int point, const char* tail) { return formatText("  (F%d NOT REQUIRED)%s", point, tail); }

int pointEntry(bool receive, int point) {
    return receive ? RF_Frequency::receiveEntry(point) : RF_Frequency::transmitEntry(point);
}

}  // namespace

previewFileModule::previewFileModule(const radioStorage& storage) : storage_(storage) {}

bool previewFileModule::writeReport(const std::filesystem::path& path) { return replaceFile(path, reportText()); }

std::string previewFileModule::reportText() {
    out_.clear();
    bandBase_ = static_cast<std::uint32_t>(value(0, 7));
    header();
    receiveParameters();
    transmitParameters();
    return std::move(out_);
}

void previewFileModule::header() {
    out_ += "\n\n\t   \t\t**********    R A D I O   S O F T P O T   D A T A  **********\n\n\n";
    out_ += formatText("Radio Serial No: %s", storage_.serialNumber().c_str());
    out_ += "  \t\t \t         Radio Model No: ";
    out_ += storage_.modelNumber().c_str();
    out_ += "\n\n";
}

void previewFileModule::receiveParameters() {
    out_ += "\t\t\t\tR E C E I V E   P A R A M E T E R S\t\t\t\t\n\n";
    pointSection(kFrontEndFilter);
    pointSection(kSquelch12k5);
    pointSection(kSquelch20k);
    pointSection(kSquelch25k);
    valueSection(kRatedVolume);
    rssiThresholds();
}

void previewFileModule::transmitParameters() {
    out_ += "\t\t\t\tT R A N S M I T    P A R A M E T E R S \t\t\t\n\n";
    valueSection(kRefOscWarp);
    pointSection(kTransmitHigh);
    pointSection(kTransmitLow);
    dacSoftpots();
    kAndMSoftpots();
    pointSection(kModulationBalance);
    valueSection(kVco12k5);
    valueSection(kVco20k);
    pointSection(kVco25k);
    valueSection(kDtmf);
    valueSection(kDalmor);
    paBias();
    pointSection(kPaVoltageLimit);
    valueSection(kSelect5);
    valueSection(kMpt1327);
    valueSection(kTrunking);
    batteryThreshold();
}

void previewFileModule::pointSection(const Section& section) {
    const SoftpotFamilyRow& row = catalogueRow(section.family);
    if (!sectionHead(section, row)) return;
    const bool receive = onReceiveSide(row);
    for (int point = 1; point <= kPoints; ++point) {
        const auto pointValue = static_cast<std::uint32_t>(value(0, pointEntry(receive, point)));
        if (pointValue != 0) {
            out_ +=
                frequencyText(pointValue) + kValueGap + formatText("%d", value(row.row, row.firstEntry + point - 1));
        } else {
            const bool first = point == 1 && section.firstPlaceholder;
            out_ += first ? std::string(section.firstPlaceholder) : placeholder(point, "\t    ");
            out_ += "NULL";
        }
        out_ += "\n";
    }
    lineEnds(section.lineEnds);
}

void previewFileModule::valueSection(const Section& section) {
    const SoftpotFamilyRow& row = catalogueRow(section.family);
    if (!sectionHead(section, row)) return;
    out_ +=
        frequencyText(tuningPointValue(row, storage_)) + kValueGap + formatText("%d", value(row.row, row.firstEntry));
    out_ += "\n";
    lineEnds(section.lineEnds);
}

// The title, the range and the column heads of a section that is shown; else its unsupported
// line, if it has one, and false.
bool previewFileModule::sectionHead(const Section& section, const SoftpotFamilyRow& row) {
    const int code = section.shown == Shown::Always ? supportCode::kNone : row.code;
    if (!shown(code, section.rule)) {
        if (section.unsupportedTitle) unsupportedSection(section.unsupportedTitle, section.unsupportedLineEnds);
        return false;
    }
    title(section.title);
    out_ += rangeText(row);
    out_ += "\n";
    out_ += kValueColumns;
    out_ += "\n";
    return true;
}

std::string previewFileModule::rangeText(const SoftpotFamilyRow& row) const {
    const int low = row.range ? row.range->low : 0;
    return formatText("Softpot Range\t\t: %d-%d\n", low, rangeHigh(row, storage_.tuningProcedureVersion()));
}

void previewFileModule::unsupportedSection(const char* text, int count) {
    out_ += kSectionPrefix;
    out_ += text;
    lineEnds(count);
}

void previewFileModule::rssiThresholds() {
    const SoftpotFamilyRow& row = catalogueRow(F::RssiThresholds);
    if (!shown(row.code, AnyVersion)) return unsupportedSection("*********** RSSI UNSUPPORTED **********\n", 3);
    title("*********** RSSI THRESHOLDS **********\n");
    out_ += rangeText(row);
    out_ += "\ndBM Range(-)\t\t: 0-210\n\n\ndBM (-)\t\t\tSoftpot Values\n";
    for (int threshold = 0; threshold < kRssiThresholds; ++threshold) {
        out_ += formatText("  %d\t\t\t    %d\n", value(row.row, row.firstEntry + kRssiThresholds + threshold),
                           value(row.row, row.firstEntry + threshold));
    }
    lineEnds(2);
}

void previewFileModule::dacSoftpots() {
    const SoftpotFamilyRow& row = catalogueRow(F::Dac);
    const bool lowBandVersion2 =
        storage_.usesSecondTuningProcedure() && value(identity::kKMRow, identity::kLowBandEntry) == 1;
    if (!lowBandVersion2 && !radiomodel().isMobileE(storage_))
        return unsupportedSection("**** DAC SOFTPOTS (UNSUPPORTED) ****\n", 1);
    title("**** DAC SOFTPOTS ****\n");
    out_ += rangeText(row);
    out_ += "\nDAC No.\t \t\tSoftpot Values\n";
    out_ += formatText(" DAC 1\t \t\t    %d\n", value(row.row, row.firstEntry));
    out_ += formatText(" DAC 2\t \t\t    %d\n", value(row.row, row.firstEntry + 1));
    lineEnds(1);
}

void previewFileModule::kAndMSoftpots() {
    const SoftpotFamilyRow& row = catalogueRow(F::KandM);
    if (!storage_.usesSecondTuningProcedure())
        return unsupportedSection("**** MOBILE K & M SOFTPOTS (UNSUPPORTED) ****\n", 1);
    title("**** MOBILE K & M SOFTPOTS ****\n");
    out_ += "Frequency(MHz)\t \tK(Values)\t \tM(Values)\t \tP1(W) \t \tP2(W) \n";
    const bool mobileE = radiomodel().isMobileE(storage_);
    for (int point = 1; point <= kPoints; ++point) {
        const auto pointValue = static_cast<std::uint32_t>(value(0, RF_Frequency::transmitEntry(point)));
        if (pointValue == 0) {
            out_ += placeholder(point, "\t") + "NULL\t\tNULL\t\tNULL\t\tNULL\t\t\n";
            continue;
        }
        const int k = value(row.row, row.firstEntry + row.entriesPerPoint() * (point - 1));
        const int m = value(row.row, row.firstEntry + row.entriesPerPoint() * (point - 1) + 1);
        const KAndMPower power = kAndMPower(k, m, value(identity::kKMRow, identity::kDac1Entry),
                                            value(identity::kKMRow, identity::kDac2Entry), mobileE);
        out_ += frequencyText(pointValue);
        out_ += formatText("\t \t%1.0f\t \t%1.0f\t \t%1.3f\t \t%1.3f\n", static_cast<double>(k), static_cast<double>(m),
                           static_cast<double>(power.p1), static_cast<double>(power.p2));
    }
    lineEnds(2);
}

void previewFileModule::paBias() {
    title("**** PA BIAS ****\n");
    out_ += rangeText(catalogueRow(F::PaBiasHigh));
    out_ += "\nPower Level\t \tSoftpot Values\n";
    struct Line {
        F family;
        const char* label;
        const char* unsupported;
    };
    static constexpr Line kLines[] = {
        {F::PaBiasHigh, "High\t \t    \t   ", "High (Unsupported)"},
        {F::PaBias2High, "Bias 2(High)\t \t   ", "Bias 2(Unsupported)"},
        {F::PaBias3High, "Bias 3(High)\t \t   ", "Bias 3(Unsupported)"},
        {F::PaBiasLow, "Low\t \t                   ", "Low (Unsupported)"},
    };
    for (const Line& line : kLines) {
        const SoftpotFamilyRow& row = catalogueRow(line.family);
        out_ += storage_.isSupported(row.code) ? line.label + formatText("%d", value(row.row, row.firstEntry))
                                               : line.unsupported;
        out_ += "\n";
    }
    lineEnds(2);
}

void previewFileModule::batteryThreshold() {
    // This title has always been indented by its own prefix.
    out_ += "\t \t                   ";
    if (!storage_.usesSecondTuningProcedure()) {
        out_ += "**** BATTERY THRESHOLD UNSUPPORTED ****\n";
        return lineEnds(50);
    }
    out_ += "**** BATTERY THRESHOLD ****\n\nTarget Voltage(V)\t \tDefault Value\n";
    const SoftpotFamilyRow& row = catalogueRow(F::BatteryThreshold);
    out_ +=
        formatText("%1.2f\t \t                   %d\n",
                   value(identity::kBatteryRow, identity::kBatteryTargetEntry) * 0.1, value(row.row, row.firstEntry));
    lineEnds(37);
}

void previewFileModule::title(const char* text) {
    out_ += kSectionPrefix;
    out_ += text;
    out_ += "\n";
}

void previewFileModule::lineEnds(int count) { out_.append(static_cast<std::size_t>(count), '\n'); }

std::string previewFileModule::frequencyText(std::uint32_t pointValue) {
    return formatText("  %f", frequency_.frequencyMHz(bandBase_, pointValue));
}

bool previewFileModule::shown(int code, int versionRule) const {
    const bool version2 = storage_.usesSecondTuningProcedure();
    if (versionRule == NotVersion2 && version2) return false;
    if (versionRule == OnlyVersion2 && !version2) return false;
    return code == 0 || storage_.isSupported(code);
}

std::int32_t previewFileModule::value(int row, int entry) const { return storage_.value(row, entry); }

}  // namespace vantrel
