#include "model/radioStorage.h"

#include <new>

namespace vantrel {

namespace {

// What the identity shows before any radio has been read or archive loaded.
const char* const kDefaultModelNumber = "NULL            ";  // "NULL" and 12 blanks: 16 characters
const char* const kDefaultSerialNumber = "NULL      ";       // "NULL" and 6 blanks: 10 characters
const char* const kDefaultIcVersion = "NULL";

// Family codes whose flag starts clear. Every other family starts out supported.
//  16 (K and M): a radio read only decides it for tuning procedure version 2, so until an
//     archive load or a read of such a radio nothing stands behind it. Clear, the archive
//     writer writes its absence marker instead of K and M zeros we never read, and Program All
//     never sends those zeros to a radio.
//  19 (battery threshold): every radio read and archive load decides it; until then the same
//     reasoning applies: a clear flag can never make us archive or program an unread value.
constexpr int kInitiallyClear[] = {16, 19};

// The baseband offset parameters of a radio that answers the baseband offset reads itself.
constexpr const char* kRadioModeNames[radioStorage::kRadioModeParameters] = {
    "CSQ Offset",
    "Quorin/Dalmor/Fenwick Offset",
    "Tessel Range 1 Offset",
    "Tessel Range 2 Offset",
    "Tessel Range 3 Offset",
    "Tessel Range 4 Offset",
    "Orsk Med Deviation Offset",
    "Orsk High Deviation Offset",
    "Orsk Low Deviation Offset",
};

bool inTable(int row, int entry) {
    return row >= 0 && row < radioStorage::kRows && entry >= 0 && entry < radioStorage::kEntries;
}

bool isFamilyCode(int code) { return code >= radioStorage::kFirstCode && code <= radioStorage::kLastCode; }

std::string paddedName(const char* name) {
    std::string text(name);
    if (text.size() < radioStorage::kFixedNameWidth) text.resize(radioStorage::kFixedNameWidth, ' ');
    return text;
}

}  // namespace

radioStorage::radioStorage()
    : modelNumber_(kDefaultModelNumber), serialNumber_(kDefaultSerialNumber), icVersion_(kDefaultIcVersion) {
    for (int code = kFirstCode; code <= kLastCode; ++code) flags_[code] = 1;
    for (int code : kInitiallyClear) flags_[code] = 0;
}

std::int32_t radioStorage::value(int row, int entry) const { return inTable(row, entry) ? values_[row][entry] : 0; }

void radioStorage::setValue(int row, int entry, std::int32_t v) {
    if (inTable(row, entry)) values_[row][entry] = v;
}

bool radioStorage::isSupported(int code) const { return isFamilyCode(code) && flags_[code] != 0; }

void radioStorage::markSupported(int code) {
    if (isFamilyCode(code)) flags_[code] = 1;
}

void radioStorage::markUnsupported(int code) {
    if (isFamilyCode(code)) flags_[code] = 0;
}

int radioStorage::parameterCount() const {
    return radioBboMode_ == 1 ? kRadioModeParameters : configRecord_.parameterCount;
}

bool radioStorage::prepareParameterTable() {
    parameterTable_.clear();
    if (radioBboMode_ == 1) configRecord_.parameterCount = kRadioModeParameters;
    const int count = parameterCount();
    // The count comes from a file; a wild one must not turn into a wild allocation.
    if (count < 0 || count > kMaxParameters) return false;
    try {
        parameterTable_.resize(static_cast<std::size_t>(count));
    } catch (const std::bad_alloc&) {
        parameterTable_.clear();
        return false;
    }
    if (radioBboMode_ == 1) {
        for (int i = 0; i < kRadioModeParameters; ++i) parameterTable_[i].name = paddedName(kRadioModeNames[i]);
    }
    return true;
}

}  // namespace vantrel
