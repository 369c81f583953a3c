#include "model/modelPatternTable.h"

namespace vantrel {

// Model number layout behind these values (16 characters, the last one a blank):
//   0      form factor: H handheld (portable), M mobile
//   1-2    platform
//   3      variant letter: band K (VHF), R and S (the two UHF bands), B (low band),
//          or a regional variant: N (Sollen signalling), Q (reduced-bias), F and G (PA variants)
//   4      power class digit
//   5-6    channel capacity
//   7      front panel letter
//   8      primary system letter: A conventional, B Brintal, K MPT, N tone signalling,
//          P Pellion, U Orsk, W Torvane
//   9      hardware revision
//   10-14  option letters and digits
// Export mobiles may carry the two-character region prefix in front of all of it.
namespace {

constexpr ModelPatternTable kTable{
    .portableCode = 'H',
    .mobileCode = 'M',
    .alternativePrefix = "LA",
    .basebandPrefix = "EX",
    .secondPosition3Letter = 'Q',
    .highBandLetters = "RS",
    .icMarker = 0xFE,
    .patterns = {{
        {ModelTest::PortableA, {"H", "2", "1", "K"}, false},
        {ModelTest::MobileA, {"M", "2", "1", "K"}, true},
        {ModelTest::PortableB, {"H", "2", "3", "R"}, false},
        {ModelTest::MobileB, {"M", "2", "3", "R"}, true},
        {ModelTest::PortableC, {"H", "2", "5", "K"}, false},
        {ModelTest::MobileC, {"M", "2", "5", "K"}, true},
        {ModelTest::PortableD, {"H", "2", "7", "S"}, false},
        {ModelTest::MobileD, {"M", "2", "7", "S"}, true},
        {ModelTest::PortableE, {"H", "4", "2"}, false},
        {ModelTest::MobileE, {"M", "4", "2"}, false},
        {ModelTest::PortableE2, {"H", "4", "2", "", "5"}, false},
        {ModelTest::MobileE2, {"M", "4", "2", "F"}, false},
        {ModelTest::MobileE3, {"M", "4", "2", "G"}, false},
        {ModelTest::MobileE4, {"M", "4", "2", "", "", "", "", "", "K"}, false},
        {ModelTest::PortableG, {"H", "4", "6"}, false},
        {ModelTest::PortableG2, {"H", "4", "6", "", "", "", "", "", "W"}, false},
        {ModelTest::SollenCapable, {"", "", "", "N"}, false},
        {ModelTest::SinglePointModel, {"M", "3", "6", "K", "0", "1", "2"}, false},
        {ModelTest::BasebandVariant, {"", "4", "8", "", "", "", "", "DE", "AKP"}, false},
    }},
    .lists = {{
        // A: fixed-power portables (no transmit high power tuning).
        {"H31K116CA1", "H31K116CB1", "H31R116CA1", "H31R116CB1", "H31S116CA1", "H31S116CB1", "H33K116CA1",
         "H33R116CA1"},
        // B: 12.5 kHz-only portables.
        {"H35K216CA1", "H35K216CA2", "H35R216CA1", "H35R216CA2", "H35S216CA1", "H35S216CA2", "H35K208CA1",
         "H35R208CA1"},
        // C: wide-band-only mobiles.
        {"M37K140DA1", "M37K140DB1", "M37R140DA1", "M37R140DB1", "M37S140DA1", "M37S140DB1", "M37K125DA1",
         "M37R125DA1"},
        // D: mobiles with the late RSSI calibration, found behind any prefix.
        {"M38K440DA1", "M38K440DK1", "M38R440DA1", "M38R440DK1", "M38S440DA1", "M38S440DK1", "M38K425DA1",
         "M38R425DA1"},
    }},
};

constexpr bool tableIsInOrder() {
    for (std::size_t i = 0; i < kTable.patterns.size(); ++i) {
        if (static_cast<std::size_t>(kTable.patterns[i].test) != i) return false;
    }
    for (const auto& list : kTable.lists) {
        for (auto member : list) {
            if (member.size() != ModelPatternTable::kListLength) return false;
        }
    }
    return kTable.alternativePrefix.size() == 2 && kTable.basebandPrefix.size() == 2 &&
           kTable.highBandLetters.size() == 2;
}
static_assert(tableIsInOrder(), "model patterns must be listed in ModelTest order, list members 10 characters");

}  // namespace

const ModelPattern& ModelPatternTable::pattern(ModelTest test) const {
    return patterns[static_cast<std::size_t>(test)];
}

const ModelPatternTable& modelPatternTable() { return kTable; }

}  // namespace vantrel
