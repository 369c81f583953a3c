#pragma once

#include "model/RF_Frequency.h"

#include <filesystem>
#include <string>

namespace vantrel {

class radioStorage;
struct SoftpotFamilyRow;

// Writes the softpot report: identity, every receive family, then every transmit family,
// each with its softpot range and its values per frequency point. Print and preview show it.
class previewFileModule {
public:
    static constexpr const char* kReportName = "display.txt";

    explicit previewFileModule(const radioStorage& storage);

    // Writes the report to `path`; false when the file cannot be written.
    bool writeReport(const std::filesystem::path& path = kReportName);
    // The whole report text.
    std::string reportText();

    struct Section;

private:
    void header();
    void receiveParameters();
    void transmitParameters();
    void pointSection(const Section& section);
    void valueSection(const Section& section);
    bool sectionHead(const Section& section, const SoftpotFamilyRow& row);
    std::string rangeText(const SoftpotFamilyRow& row) const;
    void unsupportedSection(const char* title, int lineEnds);
    void rssiThresholds();
    void dacSoftpots();
    void kAndMSoftpots();
    void paBias();
    void batteryThreshold();

    void title(const char* text);
    void lineEnds(int count);
    std::string frequencyText(std::uint32_t pointValue);
    bool shown(int code, int versionRule) const;
    std::int32_t value(int row, int entry) const;

    const radioStorage& storage_;
    RF_Frequency frequency_;
    std::uint32_t bandBase_ = 0;
    std::string out_;
};

}  // namespace vantrel
