#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vantrel {

// Where one archive value lives in the radio storage.
struct StoragePlace {
    int row;
    int entry;
};

// How a group of archive fields tells whether its family is present.
enum class Presence {
    Always,     // identity and plan values: always written, always stored
    Marker,     // the first field is the absence marker 4095 when the family's code is clear
    WithKAndM,  // written always, stored only when the K and M group is present
};

// One run of consecutive value fields, in file order.
struct ArchiveGroup {
    Presence presence;
    int code;                              // family code for Presence::Marker, else 0
    std::uint8_t minVersion;               // archives of an older version do not carry these fields
    std::span<const StoragePlace> places;  // storage place of each field, in file order
};

struct ArchiveLayout {
    static constexpr std::size_t kFieldCount = 140;
    static constexpr std::int32_t kAbsent = 4095;
    // Archives of this version or below come from a tuner whose layout we do not read.
    static constexpr std::uint8_t kLastIncompatibleVersion = 32;
};

// The 140 value fields of an archive as groups, in file order. The storage places and support
// codes are the catalogue's; only the order and the grouping are the archive's own.
std::span<const ArchiveGroup> archiveGroups();

}  // namespace vantrel
