#include "files/archiveCodec.h"

#include "files/byteTransform.h"
#include "files/formatText.h"
#include "model/radioStorage.h"

#include <limits>

namespace vantrel {

namespace {

using Format = ArchiveFormat;

std::string fixedWidth(const std::string& text, std::size_t width, char pad) {
    std::string field = text.substr(0, width);
    field.resize(width, pad);
    return field;
}

// The version travels as one character that the reader turns back with (byte - '0'). A
// version that is not one digit would shift every later field by its extra characters, and
// the shifted file could read as a valid version; '0' keeps the layout and is refused on load
// like every version other than 1 and 2.
char tuningVersionDigit(std::int32_t version) {
    return (version >= 0 && version <= 9) ? static_cast<char>('0' + version) : '0';
}

bool appendField(std::string& out, std::int64_t keyedValue) {
    const std::string digits = formatText("%lld", static_cast<long long>(keyedValue));
    if (digits.size() > Format::kMaxFieldDigits) return false;
    out += formatText("%d", static_cast<int>(digits.size()));
    out += digits;
    return true;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number of `length` characters at `pos`: digits, with a minus sign allowed in front (a
// value below minus the key is written so). Nothing when it runs past the data.
std::optional<std::int64_t> numberAt(std::string_view data, std::size_t pos, std::size_t length) {
    if (length == 0 || pos > data.size() || data.size() - pos < length) return std::nullopt;
    const std::string_view text = data.substr(pos, length);
    const bool negative = text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty()) return std::nullopt;
    std::int64_t number = 0;
    for (char c : digits) {
        if (!isDigit(c)) return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return negative ? -number : number;
}

// One field: a digit n, then n characters of (value + key). Advances `pos` past it.
std::optional<std::int64_t> fieldAt(std::string_view data, std::size_t& pos) {
    if (pos >= data.size() || !isDigit(data[pos]) || data[pos] == '0') return std::nullopt;
    const auto length = static_cast<std::size_t>(data[pos] - '0');
    const auto number = numberAt(data, pos + 1, length);
    if (number) pos += 1 + length;
    return number;
}

std::optional<ArchiveFields> decodeFields(std::string_view data, std::uint8_t version) {
    if (data.size() <= Format::kKeyLengthOffset) return std::nullopt;
    const char keyLength = data[Format::kKeyLengthOffset];
    if (!isDigit(keyLength) || keyLength == '0') return std::nullopt;
    const auto key = numberAt(data, Format::kKeyOffset, static_cast<std::size_t>(keyLength - '0'));
    if (!key || *key < 0) return std::nullopt;

    ArchiveFields fields{};
    std::size_t pos = Format::kKeyOffset + static_cast<std::size_t>(keyLength - '0');
    std::size_t index = 0;
    for (const ArchiveGroup& group : archiveGroups()) {
        for (std::size_t i = 0; i < group.places.size(); ++i, ++index) {
            if (group.minVersion > version) {
                fields[index] = ArchiveLayout::kAbsent;
                continue;
            }
            const auto keyed = fieldAt(data, pos);
            if (!keyed) return std::nullopt;
            const std::int64_t value = *keyed - *key;
            if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
                return std::nullopt;
            fields[index] = static_cast<std::int32_t>(value);
        }
    }
    return fields;
}

}  // namespace

std::optional<std::string> encodeArchive(const radioStorage& storage, int key) {
    if (key < 0 || key > Format::kMaxKey) return std::nullopt;
    std::string out(Format::kSignature);
    // A serial shorter than ten characters (the "Invalid" marker) keeps its terminator and is
    // padded with NULs, which the transform leaves alone and the reader stops at.
    out += byteTransform(fixedWidth(storage.serialNumber(), Format::kSerialLength, '\0'));
    std::string model = fixedWidth(storage.modelNumber(), Format::kModelLength - 1, ' ');
    model.push_back(static_cast<char>(storage.dataVersion()));
    out += byteTransform(model);
    out.push_back(tuningVersionDigit(storage.tuningProcedureVersion()));
    out.push_back('0');  // reserved
    const std::string keyText = formatText("%d", key);
    out += formatText("%d", static_cast<int>(keyText.size()));
    out += keyText;

    for (const ArchiveGroup& group : archiveGroups()) {
        const bool absent = group.presence == Presence::Marker && !storage.isSupported(group.code);
        for (std::size_t i = 0; i < group.places.size(); ++i) {
            const StoragePlace place = group.places[i];
            const std::int32_t value =
                (absent && i == 0) ? ArchiveLayout::kAbsent : storage.value(place.row, place.entry);
            if (!appendField(out, static_cast<std::int64_t>(value) + key)) return std::nullopt;
        }
    }
    return out;
}

bool hasArchiveSignature(std::string_view data) {
    std::size_t pos = data.find(':');
    if (pos == std::string_view::npos) return false;
    ++pos;
    while (pos < data.size() && data[pos] == ' ') ++pos;
    const std::string_view letters = Format::kSignature.substr(1);
    for (char expected : letters) {
        if (pos >= data.size() || data[pos] == '\n' || data[pos] == '\r' || data[pos] != expected) return false;
        ++pos;
    }
    return true;
}

DecodedArchive decodeArchive(std::string_view data) {
    DecodedArchive decoded;
    decoded.signatureFound = hasArchiveSignature(data);
    decoded.identityComplete = data.size() > Format::kTuningVersionOffset;
    if (!decoded.signatureFound || !decoded.identityComplete) return decoded;

    std::string serial = byteTransform(data.substr(Format::kSerialOffset, Format::kSerialLength));
    decoded.serialNumber = serial.substr(0, serial.find('\0'));
    std::string model = byteTransform(data.substr(Format::kModelOffset, Format::kModelLength));
    decoded.version = static_cast<std::uint8_t>(model.back());
    model.back() = ' ';
    decoded.modelNumber = std::move(model);
    decoded.tuningProcedureVersion = static_cast<unsigned char>(data[Format::kTuningVersionOffset]) - '0';
    decoded.fields = decodeFields(data, decoded.version);
    return decoded;
}

}  // namespace vantrel
