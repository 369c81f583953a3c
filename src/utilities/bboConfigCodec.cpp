#include "utilities/bboConfigCodec.h"

#include "files/byteTransform.h"

#include <charconv>
#include <limits>

namespace vantrel {

namespace {

constexpr std::int64_t kAddressLimit = 0xFFFFFF;
constexpr std::int64_t kByteLimit = 0xFF;

// The transform stops at a NUL, as the file's readers always have; so does the check for the
// two characters that the transform turns into NUL and that would cut a text short.
bool becomesNul(std::string_view text) {
    const std::string_view visible = text.substr(0, text.find('\0'));
    return visible.find_first_of(std::string_view("(\x80", 2)) != std::string_view::npos;
}

// Walks the file line by line, saying which line it stopped at.
class ConfigReader {
public:
    explicit ConfigReader(std::string_view bytes) : bytes_(bytes) {}

    // A line of the key's own: it decides nothing but the line ending kept for encoding.
    std::int32_t keyLine(bool& crlf) {
        const std::string_view line = nextLine(BboConfigDescription::kMaxLine, crlf);
        return static_cast<std::int32_t>(number(line, "the key", std::numeric_limits<std::int32_t>::min(),
                                                std::numeric_limits<std::int32_t>::max()));
    }

    std::int64_t numberLine(std::int32_t key, const char* what, std::int64_t low, std::int64_t high) {
        bool crlf = false;
        const std::int64_t value =
            number(nextLine(BboConfigDescription::kMaxLine, crlf), what, std::numeric_limits<std::int32_t>::min(),
                   std::numeric_limits<std::int32_t>::max()) -
            key;
        if (value < low || value > high)
            fail(std::string(what) + " lies outside " + std::to_string(low) + ".." + std::to_string(high));
        return value;
    }

    // Exactly `width` bytes, then the line end; the bytes pass back through the transform.
    std::string textLine(std::size_t width, const char* what) {
        ++line_;
        if (bytes_.size() - at_ < width) fail(std::string("the file ends inside ") + what);
        const std::string_view field = bytes_.substr(at_, width);
        at_ += width;
        lineEnd(what);
        return byteTransform(field);
    }

private:
    std::string_view nextLine(std::size_t limit, bool& crlf) {
        ++line_;
        const std::size_t end = bytes_.find('\n', at_);
        if (end == std::string_view::npos) fail("the file ends before the line does");
        std::string_view line = bytes_.substr(at_, end - at_);
        at_ = end + 1;
        crlf = !line.empty() && line.back() == '\r';
        if (crlf) line.remove_suffix(1);
        if (line.size() > limit) fail("the line is longer than " + std::to_string(limit) + " characters");
        return line;
    }

    void lineEnd(const char* what) {
        if (at_ < bytes_.size() && bytes_[at_] == '\r') ++at_;
        if (at_ >= bytes_.size() || bytes_[at_] != '\n') fail(std::string(what) + " is not followed by its line end");
        ++at_;
    }

    std::int64_t number(std::string_view text, const char* what, std::int64_t low, std::int64_t high) {
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
            fail(std::string(what) + " is not a decimal number");
        }
        if (value < low || value > high) fail(std::string(what) + " is too large");
        return value;
    }

    [[noreturn]] void fail(const std::string& why) const {
        throw BboConfigError("line " + std::to_string(line_) + ": " + why);
    }

    std::string_view bytes_;
    std::size_t at_ = 0;
    int line_ = 0;
};

BboConfigEntry readEntry(ConfigReader& reader, std::int32_t key) {
    BboConfigEntry entry;
    BboConfigRecord& r = entry.record;
    r.recordNumber = static_cast<std::int32_t>(reader.numberLine(key, "the record number", INT32_MIN, INT32_MAX));
    r.modelCode = reader.textLine(BboConfigDescription::kModelCodeWidth, "the model code");
    r.systemLetter = reader.textLine(1, "the system letter").front();
    r.probeAddress = static_cast<std::uint32_t>(reader.numberLine(key, "the probe address", 0, kAddressLimit));
    r.probeLow = static_cast<std::int32_t>(reader.numberLine(key, "the probe low", 0, kByteLimit));
    r.probeHigh = static_cast<std::int32_t>(reader.numberLine(key, "the probe high", 0, kByteLimit));
    r.tableAddress = static_cast<std::uint32_t>(reader.numberLine(key, "the table address", 0, kAddressLimit));
    r.parameterCount =
        static_cast<std::int32_t>(reader.numberLine(key, "the parameter count", 0, radioStorage::kMaxParameters));
    for (std::int32_t i = 0; i < r.parameterCount; ++i) {
        BboParameter p;
        p.name = reader.textLine(BboConfigDescription::kNameWidth, "a parameter name");
        p.offset = static_cast<std::uint8_t>(reader.numberLine(key, "a parameter offset", 0, kByteLimit));
        p.mask = static_cast<std::uint8_t>(reader.numberLine(key, "a parameter mask", 0, kByteLimit));
        entry.parameters.push_back(std::move(p));
    }
    return entry;
}

class ConfigWriter {
public:
    ConfigWriter(std::int32_t key, bool crlf) : key_(key), end_(crlf ? "\r\n" : "\n") {}

    void raw(std::int64_t value) { out_ += std::to_string(value) + end_; }
    void number(std::int64_t value, const char* what, std::int64_t low, std::int64_t high) {
        if (value < low || value > high || value + key_ < INT32_MIN || value + key_ > INT32_MAX) {
            throw BboConfigError(std::string(what) + " " + std::to_string(value) + " lies outside " +
                                 std::to_string(low) + ".." + std::to_string(high) + " or overflows with the key");
        }
        raw(value + key_);
    }
    void text(std::string value, std::size_t width, const char* what) {
        if (value.size() > width)
            throw BboConfigError(std::string(what) + " \"" + value + "\" is longer than " + std::to_string(width) +
                                 " characters");
        if (becomesNul(value)) {
            throw BboConfigError(std::string(what) + " \"" + value + "\" holds a character the file cannot carry");
        }
        value.resize(width, ' ');
        out_ += byteTransform(value) + end_;
    }
    std::string take() { return std::move(out_); }

private:
    std::int32_t key_;
    std::string end_;
    std::string out_;
};

}  // namespace

BboConfigDescription parseBboConfig(std::string_view bytes) {
    ConfigReader reader(bytes);
    BboConfigDescription d;
    d.key = reader.keyLine(d.crlf);
    d.version = static_cast<std::int32_t>(reader.numberLine(d.key, "the version", INT32_MIN, INT32_MAX));
    if (d.version != 0) return d;
    const std::int64_t count = reader.numberLine(d.key, "the record count", 0, INT32_MAX);
    for (std::int64_t i = 0; i < count; ++i) d.records.push_back(readEntry(reader, d.key));
    return d;
}

std::string encodeBboConfig(const BboConfigDescription& d) {
    ConfigWriter w(d.key, d.crlf);
    w.raw(d.key);
    w.number(d.version, "the version", INT32_MIN, INT32_MAX);
    w.number(static_cast<std::int64_t>(d.records.size()), "the record count", 0, INT32_MAX);
    for (const BboConfigEntry& entry : d.records) {
        const BboConfigRecord& r = entry.record;
        w.number(r.recordNumber, "the record number", INT32_MIN, INT32_MAX);
        w.text(r.modelCode, BboConfigDescription::kModelCodeWidth, "the model code");
        w.text(std::string(1, r.systemLetter), 1, "the system letter");
        w.number(r.probeAddress, "the probe address", 0, kAddressLimit);
        w.number(r.probeLow, "the probe low", 0, kByteLimit);
        w.number(r.probeHigh, "the probe high", 0, kByteLimit);
        w.number(r.tableAddress, "the table address", 0, kAddressLimit);
        w.number(static_cast<std::int64_t>(entry.parameters.size()), "the parameter count", 0,
                 radioStorage::kMaxParameters);
        for (const BboParameter& p : entry.parameters) {
            w.text(p.name, BboConfigDescription::kNameWidth, "the parameter name");
            w.number(p.offset, "the parameter offset", 0, kByteLimit);
            w.number(p.mask, "the parameter mask", 0, kByteLimit);
        }
    }
    return w.take();
}

std::string parameterDisplayName(const std::string& stored) { return stored.substr(0, stored.find('\0')); }

}  // namespace vantrel
