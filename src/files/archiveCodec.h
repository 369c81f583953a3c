#pragma once

#include "files/archiveLayout.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

class radioStorage;

// The byte layout of a softpot archive, without any file or storage side effects.
struct ArchiveFormat {
    static constexpr std::string_view kSignature = ":KOVIR";
    static constexpr std::size_t kSerialOffset = 6;
    static constexpr std::size_t kSerialLength = 10;
    static constexpr std::size_t kModelOffset = 16;
    static constexpr std::size_t kModelLength = 16;
    static constexpr std::size_t kTuningVersionOffset = 32;
    static constexpr std::size_t kKeyLengthOffset = 34;
    static constexpr std::size_t kKeyOffset = 35;
    // The reader looks at no more than this; the longest archive we write is under 1500 bytes.
    static constexpr std::size_t kReadLimit = 2000;
    static constexpr int kMaxKey = 32767;
    // A field's length is one digit, so its text can be at most nine characters long.
    static constexpr std::size_t kMaxFieldDigits = 9;
};

using ArchiveFields = std::array<std::int32_t, ArchiveLayout::kFieldCount>;

// The archive text of a storage with the given additive key, or nothing when a stored value
// cannot be written in a field of at most nine characters.
std::optional<std::string> encodeArchive(const radioStorage& storage, int key);

// What a reader finds in the first bytes of a file.
struct DecodedArchive {
    bool signatureFound = false;
    // The fixed identity part (serial, model field, tuning procedure version) is all there.
    bool identityComplete = false;
    std::string serialNumber;  // decoded, up to its first NUL
    std::string modelNumber;   // 15 decoded characters and a blank
    std::uint8_t version = 0;
    int tuningProcedureVersion = 0;
    // The value fields, absent ones (newer than the version) reading as the marker; empty when
    // the key or a field the version carries is missing or is not a number.
    std::optional<ArchiveFields> fields;
};

DecodedArchive decodeArchive(std::string_view data);

// The signature step alone: the first ':' , any blanks after it, then the five letters.
bool hasArchiveSignature(std::string_view data);

}  // namespace vantrel
