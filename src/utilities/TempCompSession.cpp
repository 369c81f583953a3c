#include "utilities/TempCompSession.h"

#include "utilities/utilityServiceLog.h"

#include "model/convertUtil.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "protocol/cominit.h"
#include "utilities/utilityMessages.h"

#include <array>
#include <cstdio>

namespace vantrel {

namespace {

constexpr std::uint8_t kTempCompSoftpot = 1;
constexpr std::uint8_t kCommit = 1;
constexpr int kBytes = 4;

}  // namespace

TempCompSession::Opening TempCompSession::opening(int openScreenKind, TempCompMode mode) {
    if (openScreenKind == 0) return Opening::Open;
    return openScreenKind == kindOf(mode) ? Opening::AlreadyOpen : Opening::Refused;
}

const messages::Notice& TempCompSession::refusal(TempCompMode mode) {
    return mode == TempCompMode::Read ? messages::kCloseBeforeTempCompRead : messages::kCloseBeforeTempCompWrite;
}

TempCompSession::TempCompSession(radioStorage& storage, MessageInteraction& ui, int& openScreenKind, TempCompMode mode)
    : storage_(storage), ui_(ui), openScreenKind_(openScreenKind), mode_(mode) {
    if (mode_ == TempCompMode::Read) read();
}

TempCompSession::~TempCompSession() { openScreenKind_ = 0; }

// A port that cannot be opened is a failed read like any other.
void TempCompSession::read() {
    try {
        cominit conn;
        readTempComp(conn, storage_);
    } catch (const std::exception&) {
        messages::tell(ui_, messages::kTempCompNotRead);
        openScreenKind_ = 0;
    }
}

std::string TempCompSession::displayText() const {
    if (mode_ == TempCompMode::Write) return {};
    std::string text;
    for (int i = 0; i < kBytes; ++i) {
        char pair[8];
        const int value = storage_.value(identity::kPlanRow, identity::kTempCompEntry + i);
        std::snprintf(pair, sizeof pair, "%.2x", static_cast<unsigned>(value) & 0xFFu);
        text += pair;
    }
    return text;
}

bool TempCompSession::acceptsCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

void TempCompSession::program(const std::string& text) {
    if (text.size() != kDigits) {
        messages::tell(ui_, messages::kTempCompLength);
        return;
    }
    std::array<std::uint8_t, kBytes> bytes{};
    const convertUtil convert;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(convert.hexToInt(std::string_view(text).substr(2 * i), 2));
    }
    try {
        cominit conn;
        conn.writeSoftpotBytes(kTempCompSoftpot, kCommit, bytes.data(), kBytes);
    } catch (const std::exception&) {
        recordUtilityWrite(storage_, kServiceAction, text, ServiceResult::Failed, messages::kTempCompNotWritten.text);
        messages::tell(ui_, messages::kTempCompNotWritten);
        return;
    }
    recordUtilityWrite(storage_, kServiceAction, text, ServiceResult::Done);
    messages::tell(ui_, messages::kTempCompWritten);
}

}  // namespace vantrel
