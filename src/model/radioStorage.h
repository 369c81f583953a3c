#pragma once

#include "protocol/SupportFlags.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// One entry of the baseband offset parameter table: a name of up to 29 characters and two
// attributes filled from the configuration file (byte offset within a table entry, mask).
struct BboParameter {
    std::string name;
    std::uint8_t offset = 0;
    std::uint8_t mask = 0;
};

// The baseband offset configuration record matched to this radio.
struct BboConfigRecord {
    std::int32_t recordNumber = 0;
    std::string modelCode;  // three characters
    char systemLetter = '\0';
    std::uint32_t probeAddress = 0;
    std::int32_t probeLow = 0;
    std::int32_t probeHigh = 0;
    std::uint32_t tableAddress = 0;
    std::int32_t parameterCount = 0;
};

// The in-memory image of one radio: identity, the 22 x 22 value table, one support flag per
// family code 2..28, and the baseband offset state.
class radioStorage : public SupportFlags {
public:
    static constexpr int kRows = 22;
    static constexpr int kEntries = 22;
    static constexpr int kFirstCode = 2;
    static constexpr int kLastCode = 28;
    static constexpr int kRadioModeParameters = 9;
    // The configuration file carries at most 20 parameters per model record, and the update
    // window's value tables hold 20 entries per spacing; a larger count is a broken file.
    static constexpr int kMaxParameters = 20;
    // The fixed radio-mode names are padded with blanks to this width.
    static constexpr std::size_t kFixedNameWidth = 25;

    radioStorage();

    std::int32_t value(int row, int entry) const;
    void setValue(int row, int entry, std::int32_t v);

    bool isSupported(int code) const override;
    void markSupported(int code) override;
    void markUnsupported(int code) override;

    std::int32_t tuningProcedureVersion() const { return value(0, 8); }
    void setTuningProcedureVersion(std::int32_t v) { setValue(0, 8, v); }
    // The program tunes radios of the first and the second tuning procedure. The second tunes
    // transmit power as K and M pairs, has no low-power PA bias, and narrows a few ranges.
    static constexpr std::int32_t kFirstTuningProcedure = 1;
    static constexpr std::int32_t kSecondTuningProcedure = 2;
    static constexpr bool isTunableProcedure(std::int32_t version) {
        return version == kFirstTuningProcedure || version == kSecondTuningProcedure;
    }
    bool hasTunableProcedure() const { return isTunableProcedure(tuningProcedureVersion()); }
    bool usesSecondTuningProcedure() const { return tuningProcedureVersion() == kSecondTuningProcedure; }

    const std::string& modelNumber() const { return modelNumber_; }
    void setModelNumber(std::string s) { modelNumber_ = std::move(s); }
    const std::string& serialNumber() const { return serialNumber_; }
    void setSerialNumber(std::string s) { serialNumber_ = std::move(s); }
    const std::string& icVersion() const { return icVersion_; }
    void setIcVersion(std::string s) { icVersion_ = std::move(s); }
    std::uint8_t dataVersion() const { return dataVersion_; }
    void setDataVersion(std::uint8_t v) { dataVersion_ = v; }

    std::uint8_t radioBboMode() const { return radioBboMode_; }
    void setRadioBboMode(std::uint8_t v) { radioBboMode_ = v; }
    std::int32_t configUnsupported() const { return configUnsupported_; }
    void setConfigUnsupported(std::int32_t v) { configUnsupported_ = v; }
    std::int32_t configRecordCount() const { return configRecordCount_; }
    void setConfigRecordCount(std::int32_t v) { configRecordCount_ = v; }
    const BboConfigRecord& configRecord() const { return configRecord_; }
    BboConfigRecord& configRecord() { return configRecord_; }

    int parameterCount() const;
    // Discards the old table and builds a new one: the nine fixed entries in radio mode,
    // else parameterCount() empty entries. False (and an empty table) when the count is
    // negative or beyond kMaxParameters.
    bool prepareParameterTable();
    std::vector<BboParameter>& parameterTable() { return parameterTable_; }
    const std::vector<BboParameter>& parameterTable() const { return parameterTable_; }

private:
    std::string modelNumber_;
    std::string serialNumber_;
    std::uint8_t dataVersion_ = 0;
    std::string icVersion_;
    std::int32_t configUnsupported_ = 0;
    std::int32_t configRecordCount_ = 0;
    std::uint8_t radioBboMode_ = 0;
    BboConfigRecord configRecord_;
    std::vector<BboParameter> parameterTable_;
    std::array<std::array<std::int32_t, kEntries>, kRows> values_{};
    std::array<std::uint8_t, kLastCode + 1> flags_{};
};

}  // namespace vantrel
