#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vantrel {

// The model tests that read the model number through a character pattern.
enum class ModelTest {
    PortableA,
    MobileA,
    PortableB,
    MobileB,
    PortableC,
    MobileC,
    PortableD,
    MobileD,
    PortableE,
    MobileE,
    PortableE2,
    MobileE2,
    MobileE3,
    MobileE4,
    PortableG,
    PortableG2,
    SollenCapable,
    SinglePointModel,
    BasebandVariant,
};

// One model test as data. Slot i holds the characters allowed at position i of the model
// number; an empty slot accepts any character. Comparisons are exact and case-sensitive.
struct ModelPattern {
    static constexpr std::size_t kSlots = 9;

    ModelTest test;
    std::array<std::string_view, kSlots> slots;
    // Also true when the model number begins with the alternative prefix and the pattern
    // follows it (export variants of some mobiles carry a two-character region prefix).
    bool prefixedForm;
};

// The model lists compare exactly this many leading characters (A to C), or look for a
// member anywhere in the model number (D).
enum class ModelList { A, B, C, D };

struct ModelPatternTable {
    static constexpr std::size_t kListLength = 10;
    static constexpr std::size_t kListMembers = 8;
    using List = std::array<std::string_view, kListMembers>;

    char portableCode;
    char mobileCode;
    std::string_view alternativePrefix;
    std::string_view basebandPrefix;
    // Position 3 letters that other tests read directly.
    char secondPosition3Letter;
    std::string_view highBandLetters;
    // The IC version byte 1 that marks radios the baseband offset update must leave alone.
    unsigned char icMarker;

    std::array<ModelPattern, 19> patterns;
    std::array<List, 4> lists;

    const ModelPattern& pattern(ModelTest test) const;
    const List& list(ModelList which) const { return lists[static_cast<std::size_t>(which)]; }
};

// The one table the model tests walk.
const ModelPatternTable& modelPatternTable();

}  // namespace vantrel
