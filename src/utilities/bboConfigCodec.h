#pragma once

#include "model/radioStorage.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// A "bbo.cfg" that cannot be read: cut short, a number that is no number or out of its range,
// an over-long line, too many parameters. The text says where.
class BboConfigError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One model record with its parameter entries. Parameter names keep all their characters as
// the file holds them (after the byte transform), padding included, so a decoded file encodes
// back to the same bytes.
struct BboConfigEntry {
    BboConfigRecord record;
    std::vector<BboParameter> parameters;
};

// The whole content of a baseband offset configuration file, readable.
struct BboConfigDescription {
    static constexpr std::size_t kModelCodeWidth = 3;
    static constexpr std::size_t kNameWidth = 25;
    static constexpr std::size_t kMaxLine = 30;

    std::int32_t key = 0;
    // 0 is the only version this program reads; the records of another version are not read.
    std::int32_t version = 0;
    bool crlf = false;
    std::vector<BboConfigEntry> records;
};

// Reads every item of the file, checking each against its form and range. BboConfigError on
// the first that fails.
BboConfigDescription parseBboConfig(std::string_view bytes);
// The file for a description. BboConfigError when a text does not fit its width or a number
// its range (a name shorter than its width is padded with blanks).
std::string encodeBboConfig(const BboConfigDescription& description);

// A stored name as the program shows it: up to its first NUL.
std::string parameterDisplayName(const std::string& stored);

}  // namespace vantrel
