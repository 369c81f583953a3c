#include "model/radiomodel.h"

#include "model/radioStorage.h"

namespace vantrel {

namespace {

constexpr std::size_t kPosition3 = 3;
constexpr std::size_t kIcMarkerByte = 1;

bool matchesAt(const ModelPattern& pattern, std::string_view model, std::size_t start) {
    for (std::size_t i = 0; i < pattern.slots.size(); ++i) {
        const std::string_view allowed = pattern.slots[i];
        if (allowed.empty()) continue;
        const std::size_t position = start + i;
        if (position >= model.size() || allowed.find(model[position]) == std::string_view::npos) return false;
    }
    return true;
}

bool isMember(const ModelPatternTable::List& list, std::string_view candidate) {
    for (std::string_view member : list) {
        if (member == candidate) return true;
    }
    return false;
}

bool charAt(std::string_view model, std::size_t position, std::string_view allowed) {
    return position < model.size() && allowed.find(model[position]) != std::string_view::npos;
}

}  // namespace

bool matchesModelTest(ModelTest test, std::string_view model) {
    const ModelPatternTable& table = modelPatternTable();
    const ModelPattern& pattern = table.pattern(test);
    if (matchesAt(pattern, model, 0)) return true;
    const std::string_view prefix = table.alternativePrefix;
    return pattern.prefixedForm && model.starts_with(prefix) && matchesAt(pattern, model, prefix.size());
}

bool inModelList(ModelList list, std::string_view model) {
    constexpr std::size_t length = ModelPatternTable::kListLength;
    return model.size() >= length && isMember(modelPatternTable().list(list), model.substr(0, length));
}

bool containsModelList(ModelList list, std::string_view model) {
    constexpr std::size_t length = ModelPatternTable::kListLength;
    if (model.size() < length) return false;
    for (std::size_t start = 0; start + length <= model.size(); ++start) {
        if (isMember(modelPatternTable().list(list), model.substr(start, length))) return true;
    }
    return false;
}

bool radiomodel::test(ModelTest t, const radioStorage& s) { return matchesModelTest(t, s.modelNumber()); }

bool radiomodel::listed(ModelList l, const radioStorage& s) { return inModelList(l, s.modelNumber()); }

bool radiomodel::containsModelListD(const radioStorage& s) const {
    return containsModelList(ModelList::D, s.modelNumber());
}

bool radiomodel::hasIcMarker(const radioStorage& s) const {
    const std::string& ic = s.icVersion();
    return ic.size() > kIcMarkerByte && static_cast<unsigned char>(ic[kIcMarkerByte]) == modelPatternTable().icMarker;
}

bool radiomodel::hasSecondPosition3Letter(const radioStorage& s) const {
    const char letter = modelPatternTable().secondPosition3Letter;
    return charAt(s.modelNumber(), kPosition3, std::string_view(&letter, 1));
}

bool radiomodel::hasHighBandLetter(const radioStorage& s) const {
    return charAt(s.modelNumber(), kPosition3, modelPatternTable().highBandLetters);
}

bool radiomodel::isPortableFormFactor(const radioStorage& s, std::size_t offset) const {
    const char code = modelPatternTable().portableCode;
    return charAt(s.modelNumber(), offset, std::string_view(&code, 1));
}

std::size_t radiomodel::basebandOffset(const radioStorage& s) const {
    const std::string_view prefix = modelPatternTable().basebandPrefix;
    return std::string_view(s.modelNumber()).starts_with(prefix) ? prefix.size() : 0;
}

}  // namespace vantrel
