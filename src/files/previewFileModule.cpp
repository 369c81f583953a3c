#include "files/previewFileModule.h"

#include "files/fileBytes.h"
#include "files/formatText.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"

#include <cmath>

namespace vantrel {

namespace {

enum VersionRule { AnyVersion, NotVersion2, OnlyVersion2 };
enum class Side { Transmit, Receive };
enum class At { FirstTx, MiddleTx, LastTx, MiddleRx };

constexpr const char* kSectionPrefix = "\t \t\t";
constexpr const char* kValueColumns = "Frequency(MHz)\t \tSoftpot Values";
constexpr const char* kValueGap = "\t \t    ";
constexpr int kPoints = RF_Frequency::kPoints;

}  // namespace

// A family shown with one value per frequency point.
struct previewFileModule::PointSection {
    const char* title;
    const char* unsupportedTitle;  // nothing at all is written when this is null
    int code;                      // 0: always shown
    VersionRule rule;
    const char* range;
    const char* rangeVersion2;  // null: the same range for tuning procedure version 2
    int row;
    int firstEntry;
    Side side;
    int lineEnds;
    int unsupportedLineEnds;
    const char* firstPlaceholder;  // null: the usual one
};

// A family shown with its one value at one chosen frequency point.
struct previewFileModule::ValueSection {
    const char* title;
    const char* unsupportedTitle;
    int code;
    VersionRule rule;
    const char* range;
    int row;
    int entry;
    At at;
    int lineEnds;
    int unsupportedLineEnds;
};

namespace {

using PointSection = previewFileModule::PointSection;
using ValueSection = previewFileModule::ValueSection;

constexpr const char* kRange0to31 = "Softpot Range\t\t: 0-31\n";
constexpr const char* kRange0to63 = "Softpot Range\t\t: 0-63\n";
constexpr const char* kRange0to127 = "Softpot Range\t\t: 0-127\n";
constexpr const char* kRange0to255 = "Softpot Range\t\t: 0-255\n";
constexpr const char* kRange1to63 = "Softpot Range\t\t: 1-63\n";

// The front end filter's F1 placeholder has always carried a blank before its tab.
constexpr PointSection kFrontEndFilter{"**** FRONT END FILTER ****\n", "**** FRONT END FILTER UNSUPPORTED ****\n", 10,
                                       AnyVersion, kRange0to255, kRange0to127, 10, 0, Side::Receive, 2, 1,
                                       "  (F1 NOT REQUIRED) \t    "};
constexpr PointSection kSquelch12k5{"**** AUTO SQUELCH 12.5KHz ****\n", "**** AUTO SQUELCH UNSUPPORTED ****\n", 11,
                                    AnyVersion, kRange1to63, nullptr, 11, 0, Side::Receive, 2, 1, nullptr};
constexpr PointSection kSquelch20k{"**** AUTO SQUELCH 20KHz ****\n", nullptr, 11, AnyVersion, kRange1to63, nullptr,
                                   11, 7, Side::Receive, 2, 0, nullptr};
constexpr PointSection kSquelch25k{"**** AUTO SQUELCH 25KHz ****\n", nullptr, 11, AnyVersion, kRange1to63, nullptr,
                                   11, 14, Side::Receive, 2, 0, nullptr};
constexpr PointSection kTransmitHigh{"**** TRANSMIT HIGH POWER ****\n", "**** TRANSMIT POWER (PORTABLE) UNSUPPORTED ****\n",
                                     3, NotVersion2, kRange0to127, nullptr, 3, 0, Side::Transmit, 2, 1, nullptr};
constexpr PointSection kTransmitLow{"**** TRANSMIT LOW POWER ****\n", nullptr, 3, NotVersion2, kRange0to127, nullptr,
                                    3, 7, Side::Transmit, 2, 0, nullptr};
constexpr PointSection kModulationBalance{"**** MODULATION BALANCE ****\n", "**** MODULATION BALANCE UNSUPPORTED ****\n",
                                          4, AnyVersion, kRange0to63, nullptr, 4, 14, Side::Transmit, 2, 1, nullptr};
constexpr PointSection kVco25k{"**** VCO ATTENUATION 25 KHz ****\n", "**** VCO ATTENUATION 25 KHz UNSUPPORTED ****\n", 5,
                               AnyVersion, kRange0to127, nullptr, 5, 14, Side::Transmit, 2, 1, nullptr};
constexpr PointSection kPaVoltageLimit{"**** TRANSMIT PA VOLTAGE LIMIT ****\n",
                                       "**** TRANSMIT PA VOLTAGE LIMIT UNSUPPORTED ****\n", 25, OnlyVersion2,
                                       kRange0to127, nullptr, 20, 0, Side::Transmit, 2, 1, nullptr};

constexpr ValueSection kRatedVolume{"**** RATED VOLUME  ****\n", "**** RATED VOLUME UNSUPPORTED ****\n", 12, AnyVersion,
                                    kRange0to255, 12, 0, At::MiddleRx, 2, 1};
constexpr ValueSection kRefOscWarp{"**** REFERENCE OSCILLATOR WARP ****\n",
                                   "**** REFERENCE OSCILLATOR WARP UNSUPPORTED ****\n", 2, AnyVersion,
                                   "Softpot Range\t\t: 0-511\n", 2, 0, At::LastTx, 2, 1};
constexpr ValueSection kVco12k5{"**** VCO ATTENUATION 12.5 KHz ****\n", nullptr, 0, AnyVersion, kRange0to127, 5, 6,
                                At::LastTx, 1, 0};
constexpr ValueSection kVco20k{"**** VCO ATTENUATION 20 KHz ****\n", nullptr, 0, AnyVersion, kRange0to127, 5, 13,
                               At::LastTx, 1, 0};
constexpr ValueSection kDtmf{"**** DTMF SIGNALLING ****\n", "**** DTMF SIGNALLING UNSUPPORTED ****\n", 6, AnyVersion,
                             kRange0to31, 6, 0, At::FirstTx, 2, 1};
constexpr ValueSection kDalmor{"**** DALMOR SIGNALLING ****\n", "**** DALMOR SIGNALLING UNSUPPORTED ****\n", 7,
                               AnyVersion, kRange0to31, 7, 0, At::MiddleTx, 2, 1};
constexpr ValueSection kSelect5{"**** SELECT 5 ****\n", "**** SELECT 5 UNSUPPORTED ****\n", 13, AnyVersion,
                                kRange0to31, 14, 0, At::LastTx, 2, 3};
constexpr ValueSection kMpt1327{"**** MPT 1327 SIGNALLING ****\n", "**** MPT 1327 UNSUPPORTED ****\n", 14, AnyVersion,
                                kRange0to31, 15, 0, At::MiddleTx, 3, 3};
constexpr ValueSection kTrunking{"**** HIGH SPEED TRUNKING SIGNALLING ****\n",
                                 "**** HIGH SPEED TRUNKING SIGNALLING UNSUPPORTED ****\n", 22, AnyVersion, kRange0to31,
                                 19, 0, At::LastTx, 2, 3};

std::string placeholder(int point, const char* tail) {
    return formatText("  (F%d NOT REQUIRED)%s", point, tail);
}

int pointEntry(Side side, int point) {
    return side == Side::Transmit ? RF_Frequency::transmitEntry(point) : RF_Frequency::receiveEntry(point);
}

}  // namespace

KAndMPower kAndMPower(int k, int m, int dac1, int dac2, bool mobileE) {
    // The mobile E family's K is unsigned with a larger step; the others centre K on 128.
    const double kPrime = mobileE ? k : k - 128;
    const double step = mobileE ? 0.16 : 0.04;
    const double first = 0.0004 * m * dac1 + step * kPrime;
    const float p1 = static_cast<float>(first * first);
    const double slope = 0.0004 * m * (dac1 - dac2);
    const double second = mobileE ? std::sqrt(p1) + slope : std::sqrt(p1) - slope;
    return {p1, static_cast<float>(second * second)};
}

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

void previewFileModule::pointSection(const PointSection& section) {
    if (!shown(section.code, section.rule)) {
        if (section.unsupportedTitle) unsupportedSection(section.unsupportedTitle, section.unsupportedLineEnds);
        return;
    }
    title(section.title);
    const bool version2 = storage_.tuningProcedureVersion() == 2;
    out_ += (version2 && section.rangeVersion2) ? section.rangeVersion2 : section.range;
    out_ += "\n";
    out_ += kValueColumns;
    out_ += "\n";
    for (int point = 1; point <= kPoints; ++point) {
        const auto pointValue = static_cast<std::uint32_t>(value(0, pointEntry(section.side, point)));
        if (pointValue != 0) {
            out_ += frequencyText(pointValue) + kValueGap +
                    formatText("%d", value(section.row, section.firstEntry + point - 1));
        } else {
            const bool first = point == 1 && section.firstPlaceholder;
            out_ += first ? std::string(section.firstPlaceholder) : placeholder(point, "\t    ");
            out_ += "NULL";
        }
        out_ += "\n";
    }
    lineEnds(section.lineEnds);
}

void previewFileModule::valueSection(const ValueSection& section) {
    if (!shown(section.code, section.rule)) {
        if (section.unsupportedTitle) unsupportedSection(section.unsupportedTitle, section.unsupportedLineEnds);
        return;
    }
    std::uint32_t pointValue = 0;
    switch (section.at) {
        case At::FirstTx: pointValue = frequency_.firstTxValue(storage_); break;
        case At::MiddleTx: pointValue = frequency_.middleTxValue(storage_); break;
        case At::LastTx: pointValue = frequency_.lastTxValue(storage_); break;
        case At::MiddleRx: pointValue = frequency_.middleRxValue(storage_); break;
    }
    title(section.title);
    out_ += section.range;
    out_ += "\n";
    out_ += kValueColumns;
    out_ += "\n";
    out_ += frequencyText(pointValue) + kValueGap + formatText("%d", value(section.row, section.entry));
    out_ += "\n";
    lineEnds(section.lineEnds);
}

void previewFileModule::unsupportedSection(const char* text, int count) {
    out_ += kSectionPrefix;
    out_ += text;
    lineEnds(count);
}

void previewFileModule::rssiThresholds() {
    if (!shown(15, AnyVersion)) return unsupportedSection("*********** RSSI UNSUPPORTED **********\n", 3);
    title("*********** RSSI THRESHOLDS **********\n");
    out_ += "Softpot Range\t\t: 0-127\n\ndBM Range(-)\t\t: 0-210\n\n\ndBM (-)\t\t\tSoftpot Values\n";
    for (int threshold = 0; threshold < 3; ++threshold)
        out_ += formatText("  %d\t\t\t    %d\n", value(16, 3 + threshold), value(16, threshold));
    lineEnds(2);
}

void previewFileModule::dacSoftpots() {
    const bool lowBandVersion2 = storage_.tuningProcedureVersion() == 2 && value(17, 16) == 1;
    if (!lowBandVersion2 && !radiomodel().isMobileE(storage_))
        return unsupportedSection("**** DAC SOFTPOTS (UNSUPPORTED) ****\n", 1);
    title("**** DAC SOFTPOTS ****\n");
    out_ += kRange0to255;
    out_ += "\nDAC No.\t \t\tSoftpot Values\n";
    out_ += formatText(" DAC 1\t \t\t    %d\n", value(17, 14));
    out_ += formatText(" DAC 2\t \t\t    %d\n", value(17, 15));
    lineEnds(1);
}

void previewFileModule::kAndMSoftpots() {
    if (storage_.tuningProcedureVersion() != 2)
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
        const int k = value(17, 2 * (point - 1));
        const int m = value(17, 2 * (point - 1) + 1);
        const KAndMPower power = kAndMPower(k, m, value(17, 14), value(17, 15), mobileE);
        out_ += frequencyText(pointValue);
        out_ += formatText("\t \t%1.0f\t \t%1.0f\t \t%1.3f\t \t%1.3f\n", static_cast<double>(k), static_cast<double>(m),
                           static_cast<double>(power.p1), static_cast<double>(power.p2));
    }
    lineEnds(2);
}

void previewFileModule::paBias() {
    title("**** PA BIAS ****\n");
    out_ += kRange0to127;
    out_ += "\nPower Level\t \tSoftpot Values\n";
    struct Line {
        int code;
        const char* label;
        int entry;
        const char* unsupported;
    };
    static constexpr Line kLines[] = {
        {8, "High\t \t    \t   ", 0, "High (Unsupported)"},
        {17, "Bias 2(High)\t \t   ", 2, "Bias 2(Unsupported)"},
        {18, "Bias 3(High)\t \t   ", 4, "Bias 3(Unsupported)"},
        {9, "Low\t \t                   ", 1, "Low (Unsupported)"},
    };
    for (const Line& line : kLines) {
        out_ += storage_.isSupported(line.code) ? line.label + formatText("%d", value(8, line.entry)) : line.unsupported;
        out_ += "\n";
    }
    lineEnds(2);
}

void previewFileModule::batteryThreshold() {
    // This title has always been indented by its own prefix.
    out_ += "\t \t                   ";
    if (storage_.tuningProcedureVersion() != 2) {
        out_ += "**** BATTERY THRESHOLD UNSUPPORTED ****\n";
        return lineEnds(50);
    }
    out_ += "**** BATTERY THRESHOLD ****\n\nTarget Voltage(V)\t \tDefault Value\n";
    out_ += formatText("%1.2f\t \t                   %d\n", value(18, 0) * 0.1, value(18, 1));
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
    const bool version2 = storage_.tuningProcedureVersion() == 2;
    if (versionRule == NotVersion2 && version2) return false;
    if (versionRule == OnlyVersion2 && !version2) return false;
    return code == 0 || storage_.isSupported(code);
}

std::int32_t previewFileModule::value(int row, int entry) const { return storage_.value(row, entry); }

}  // namespace vantrel
