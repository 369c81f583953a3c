#include "utilities/BasebandUpdateSession.h"

#include "utilities/utilityServiceLog.h"

#include "model/radioStorage.h"
#include "model/radiomodel.h"
#include "operations/radioOperations.h"
#include "utilities/UtilityConnection.h"
#include "utilities/toneCodes.h"
#include "utilities/utilityMessages.h"

#include <stdexcept>

namespace vantrel {

namespace {

// Row 13 keeps each spacing's five register bytes in this selector order.
constexpr int kBasebandRow = 13;
constexpr std::array<std::uint8_t, 5> kSelectors{5, 0, 2, 10, 8};
constexpr int kBytesPerSpacing = static_cast<int>(kSelectors.size());
// The selector-8 byte carries only the ninth parameter, in its high nibble.
constexpr int kLastByte = kBytesPerSpacing - 1;
constexpr int kLastParameter = 8;
constexpr std::uint8_t kWriteControl = 0x80;
constexpr std::uint8_t kLowNibble = 0x0F;
constexpr std::size_t kSystemLetterPosition = 8;

struct SystemText {
    char letter;
    const char* text;
};
constexpr std::array<SystemText, 7> kPrimarySystems{{
    {'A', "Primary system = Conventional"},
    {'B', "Primary system = Brintal"},
    {'K', "Primary system = MPT"},
    {'N', "Primary system = Tone Signalling"},
    {'P', "Primary system = Pellion"},
    {'U', "Primary system = Orsk"},
    {'W', "Primary system = Torvane"},
}};

std::uint8_t nibble(std::uint8_t code, std::uint8_t old) { return code == kNoTone ? old : code & kLowNibble; }

}  // namespace

BasebandUpdateSession::BasebandUpdateSession(radioStorage& storage, MessageInteraction& ui, int& openScreenKind,
                                             ReadRadio readRadio)
    : storage_(storage), ui_(ui), openScreenKind_(openScreenKind), readRadio_(std::move(readRadio)) {
    for (auto& row : current_) row.fill(kNoTone);
    defaults_ = current_;
    open();
}

BasebandUpdateSession::~BasebandUpdateSession() { openScreenKind_ = 0; }

std::size_t BasebandUpdateSession::checked(int index, int limit) {
    if (index < 0 || index >= limit) throw std::out_of_range("baseband offset row or parameter out of range");
    return static_cast<std::size_t>(index);
}

bool BasebandUpdateSession::radioMode() const { return storage_.radioBboMode() == 1; }

int BasebandUpdateSession::parameterCount() const {
    return std::min<int>(static_cast<int>(storage_.parameterTable().size()), kMaxParameters);
}

std::string BasebandUpdateSession::parameterName(int i) const {
    return storage_.parameterTable().at(checked(i, parameterCount())).name;
}

std::string BasebandUpdateSession::radioTypeText() const {
    const std::size_t k = radiomodel().basebandOffset(storage_);
    return radiomodel().isPortableFormFactor(storage_, k) ? "Radio Type = Portable" : "Radio Type = Mobile";
}

std::string BasebandUpdateSession::primarySystemText() const {
    const std::size_t at = radiomodel().basebandOffset(storage_) + kSystemLetterPosition;
    const std::string& model = storage_.modelNumber();
    for (const SystemText& system : kPrimarySystems) {
        if (at < model.size() && model[at] == system.letter) return system.text;
    }
    return "Primary system = Others";
}

void BasebandUpdateSession::open() {
    openScreenKind_ = kKind;
    const bool opened = radioMode() ? openFromRegisters() : openFromCodeplug();
    if (!opened) {
        openScreenKind_ = 0;
        return;
    }
    shownRow_ = -1;
    showRow(0);
    if (!radiomodel().isBasebandVariant(storage_)) return;
    try {
        sum_ = block_.readCodeplugSum();
    } catch (const std::exception&) {
        messages::tell(ui_, messages::kUtilityCommunicationError);
    }
}

bool BasebandUpdateSession::serialMismatch(EnhancedZIRK& conn) {
    return !radioOperations().serialMatches(storage_, conn);
}

bool BasebandUpdateSession::openFromRegisters() {
    {
        auto conn = obtainConnection(ui_);
        if (!conn) return false;
        try {
            if (serialMismatch(*conn)) {
                conn.reset();
                if (messages::tell(ui_, messages::kBboSerialMismatch) == MessageAnswer::Ok && readRadio_) readRadio_();
            }
        } catch (const std::exception&) {
            messages::tell(ui_, messages::kUtilityCommunicationError);
            return false;
        }
    }
    for (int r = 0; r < kSpacings; ++r) {
        for (int i = 0; i <= kLastParameter; ++i) {
            const int byte = i == kLastParameter ? kLastByte : i / 2;
            const auto value = static_cast<std::uint8_t>(storage_.value(kBasebandRow, r * kBytesPerSpacing + byte));
            const bool high = i == kLastParameter || i % 2 == 1;
            current_[r][i] = defaults_[r][i] = high ? value >> 4 : value & kLowNibble;
        }
    }
    return true;
}

bool BasebandUpdateSession::openFromCodeplug() {
    {
        auto conn = obtainConnection(ui_);
        if (!conn) return false;
        bool loaded = false;
        try {
            loaded = block_.load(*conn, storage_.configRecord().tableAddress);
        } catch (const CodeplugBlockError&) {}
        if (!loaded) {
            messages::tell(ui_, messages::kBboNotInitialized);
            return false;
        }
    }
    for (int r = 0; r < kSpacings; ++r) {
        for (int j = 0; j < parameterCount(); ++j) {
            const BboParameter& p = storage_.parameterTable()[static_cast<std::size_t>(j)];
            std::uint8_t byte = 0;
            if (!block_.readByte(0, static_cast<std::uint32_t>(r), p.offset, byte)) {
                messages::tell(ui_, messages::kBboNotInitialized);
                return false;
            }
            std::uint8_t value = p.mask & byte;
            if (value > kLowNibble) value >>= 4;
            current_[r][j] = defaults_[r][j] = value;
        }
    }
    return true;
}

bool BasebandUpdateSession::showRow(int row) {
    if (row < 0 || row >= kSpacings || row == shownRow_) return false;
    shownRow_ = row;
    return true;
}

std::string BasebandUpdateSession::currentText(int i) const {
    return shownRow_ < 0 ? std::string() : toneText(current(shownRow_, i));
}

std::string BasebandUpdateSession::defaultText(int i) const {
    return shownRow_ < 0 ? std::string() : toneText(defaultValue(shownRow_, i));
}

void BasebandUpdateSession::choose(int i, const std::string& text) {
    if (shownRow_ < 0) return;
    const std::uint8_t code = toneCode(text);
    current_[static_cast<std::size_t>(shownRow_)][checked(i, parameterCount())] = code;
    if (code == kNoTone || radioMode()) return;
    if (!editBlock(shownRow_, i, code)) {
        editError_ = true;
        messages::tell(ui_, messages::kBboEntryError);
    }
}

bool BasebandUpdateSession::editBlock(int row, int i, std::uint8_t code) {
    const BboParameter& p = storage_.parameterTable()[static_cast<std::size_t>(i)];
    const auto entry = static_cast<std::uint32_t>(row);
    std::uint8_t byte = 0;
    if (!block_.readByte(0, entry, p.offset, byte)) return false;
    const auto kept = static_cast<std::uint8_t>(byte & ~p.mask);
    const auto value = static_cast<std::uint8_t>((p.mask == kLowNibble ? code : code * 16) | kept);
    if (radiomodel().isBasebandVariant(storage_)) return block_.writeByteWithSum(value, 0, entry, p.offset, sum_);
    return block_.writeByte(value, 0, entry, p.offset);
}

void BasebandUpdateSession::update() {
    if (!radioMode() && editError_ && messages::tell(ui_, messages::kBboUpdateAnyway) != MessageAnswer::Ok) return;
    auto conn = obtainConnection(ui_);
    if (!conn) return;
    try {
        if (serialMismatch(*conn)) {
            conn.reset();
            if (messages::tell(ui_, messages::kBboSerialMismatch) == MessageAnswer::Ok && readRadio_) {
                readRadio_();
                open();
            }
            return;
        }
        if (radioMode()) {
            updateRegisters(*conn);
            recordUtilityWrite(storage_, kServiceAction, {}, ServiceResult::Done);
            messages::tell(ui_, messages::kBboRadioUpdated);
        } else if (updateCodeplug(*conn)) {
            defaults_ = current_;
            recordUtilityWrite(storage_, kServiceAction, {}, ServiceResult::Done);
            messages::tell(ui_, messages::kBboCodeplugUpdated);
        } else {
            recordUtilityWrite(storage_, kServiceAction, {}, ServiceResult::Failed,
                               messages::kUtilityCommunicationError.text);
            messages::tell(ui_, messages::kUtilityCommunicationError);
        }
    } catch (const std::exception&) {
        recordUtilityWrite(storage_, kServiceAction, {}, ServiceResult::Failed,
                           messages::kUtilityCommunicationError.text);
        messages::tell(ui_, messages::kUtilityCommunicationError);
    }
}

// Row 13 and the defaults change before the first write, so a failure in the middle leaves
// them ahead of the radio, as it always has.
void BasebandUpdateSession::updateRegisters(EnhancedZIRK& conn) {
    std::array<std::array<std::uint8_t, kBytesPerSpacing>, kSpacings> bytes{};
    for (int r = 0; r < kSpacings; ++r) {
        auto& cur = current_[static_cast<std::size_t>(r)];
        auto& def = defaults_[static_cast<std::size_t>(r)];
        for (int k = 0; k < kBytesPerSpacing; ++k) {
            const int entry = r * kBytesPerSpacing + k;
            const auto old = static_cast<std::uint8_t>(storage_.value(kBasebandRow, entry));
            const std::size_t low = k == kLastByte ? 0 : static_cast<std::size_t>(2 * k);
            const std::size_t high = k == kLastByte ? kLastParameter : low + 1;
            const std::uint8_t lowNibble = k == kLastByte ? old & kLowNibble : nibble(cur[low], old & kLowNibble);
            const std::uint8_t highNibble = nibble(cur[high], old >> 4);
            if (k != kLastByte) def[low] = cur[low];
            def[high] = cur[high];
            bytes[r][k] = static_cast<std::uint8_t>(highNibble << 4 | lowNibble);
            storage_.setValue(kBasebandRow, entry, bytes[r][k]);
        }
    }
    for (int r = 0; r < kSpacings; ++r) {
        for (int k = 0; k < kBytesPerSpacing; ++k) {
            conn.writeBBO(kSelectors[k], static_cast<std::uint8_t>(kWriteControl + r + 1), bytes[r][k]);
        }
    }
}

bool BasebandUpdateSession::updateCodeplug(EnhancedZIRK& conn) {
    const std::uint32_t address = storage_.configRecord().tableAddress;
    bool stored = block_.store(conn, address);
    if (stored && radiomodel().isBasebandVariant(storage_)) stored = block_.writeCodeplugSum(conn, sum_);
    try {
        conn.reset();
    } catch (const std::exception&) {
        // The radio takes the new table at its next start whether or not it heard the reset.
    }
    return stored;
}

}  // namespace vantrel
