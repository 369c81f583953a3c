#pragma once

#include "model/modelPatternTable.h"

#include <cstddef>
#include <string_view>

namespace vantrel {

class radioStorage;

// Pattern matching over a model number, walking the model pattern table. A model number too
// short for a pattern simply does not match.
bool matchesModelTest(ModelTest test, std::string_view model);
bool inModelList(ModelList list, std::string_view model);
bool containsModelList(ModelList list, std::string_view model);

// The model tests, over the model number (and, for hasIcMarker, the IC version) of a storage.
// Holds no data; create one wherever a test is needed.
class radiomodel {
public:
    bool isPortableA(const radioStorage& s) const { return test(ModelTest::PortableA, s); }
    bool isMobileA(const radioStorage& s) const { return test(ModelTest::MobileA, s); }
    bool isPortableB(const radioStorage& s) const { return test(ModelTest::PortableB, s); }
    bool isMobileB(const radioStorage& s) const { return test(ModelTest::MobileB, s); }
    bool isPortableC(const radioStorage& s) const { return test(ModelTest::PortableC, s); }
    bool isMobileC(const radioStorage& s) const { return test(ModelTest::MobileC, s); }
    bool isPortableD(const radioStorage& s) const { return test(ModelTest::PortableD, s); }
    bool isMobileD(const radioStorage& s) const { return test(ModelTest::MobileD, s); }
    bool isPortableE(const radioStorage& s) const { return test(ModelTest::PortableE, s); }
    bool isMobileE(const radioStorage& s) const { return test(ModelTest::MobileE, s); }
    bool isPortableE2(const radioStorage& s) const { return test(ModelTest::PortableE2, s); }
    bool isMobileE2(const radioStorage& s) const { return test(ModelTest::MobileE2, s); }
    bool isMobileE3(const radioStorage& s) const { return test(ModelTest::MobileE3, s); }
    bool isMobileE4(const radioStorage& s) const { return test(ModelTest::MobileE4, s); }
    bool isPortableG(const radioStorage& s) const { return test(ModelTest::PortableG, s); }
    bool isPortableG2(const radioStorage& s) const { return test(ModelTest::PortableG2, s); }
    bool isSollenCapable(const radioStorage& s) const { return test(ModelTest::SollenCapable, s); }
    bool isSinglePointModel(const radioStorage& s) const { return test(ModelTest::SinglePointModel, s); }
    bool isBasebandVariant(const radioStorage& s) const { return test(ModelTest::BasebandVariant, s); }
    bool hasIcMarker(const radioStorage& s) const;

    bool inModelListA(const radioStorage& s) const { return listed(ModelList::A, s); }
    bool inModelListB(const radioStorage& s) const { return listed(ModelList::B, s); }
    bool inModelListC(const radioStorage& s) const { return listed(ModelList::C, s); }
    bool containsModelListD(const radioStorage& s) const;

    // The further table entries that other commands test directly.
    // Position 3 holds the second letter that rules out PA bias low power tuning.
    bool hasSecondPosition3Letter(const radioStorage& s) const;
    // Position 3 holds one of the two high-band letters.
    bool hasHighBandLetter(const radioStorage& s) const;
    // The form-factor code at position 0 (or at `offset`) is the portable one.
    bool isPortableFormFactor(const radioStorage& s, std::size_t offset = 0) const;
    // 2 when the model number begins with the baseband prefix, else 0: where the model code
    // starts for the baseband offset configuration matching.
    std::size_t basebandOffset(const radioStorage& s) const;

private:
    static bool test(ModelTest t, const radioStorage& s);
    static bool listed(ModelList l, const radioStorage& s);
};

}  // namespace vantrel
