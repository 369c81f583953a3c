#include "utilities/SerialProgramSession.h"

#include "utilities/utilityServiceLog.h"

#include "operations/radioOperations.h"
#include "utilities/UtilityConnection.h"
#include "utilities/utilityMessages.h"

#include <algorithm>
#include <string_view>

namespace vantrel {

namespace {

constexpr std::string_view kPunctuation = ".*#_~!@%&()-+=|{}[];:'?/<>,`";

}  // namespace

RadioChangedError::RadioChangedError() : std::runtime_error(messages::kRadioChangedAtOpening) {}

SerialProgramSession::SerialProgramSession(radioStorage& storage, radioOperations& operations, MessageInteraction& ui,
                                           int& openScreenKind)
    : storage_(storage), operations_(operations), ui_(ui), openScreenKind_(openScreenKind) {
    try {
        // The second connection, opened and closed at once, proves that the port comes free
        // again after the check.
        {
            auto conn = obtainConnection(ui_);
            if (!conn) {
                openScreenKind_ = kKind;
                return;
            }
            if (!operations_.serialMatches(storage_, *conn)) throw RadioChangedError();
        }
        auto again = obtainConnection(ui_);
    } catch (const RadioChangedError&) {
        throw;
    } catch (const std::exception&) {
        messages::tell(ui_, messages::kUtilityCommunicationError);
    }
    openScreenKind_ = kKind;
}

SerialProgramSession::~SerialProgramSession() { openScreenKind_ = 0; }

bool SerialProgramSession::acceptsCharacter(char c) {
    const bool letterOrDigit = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    return letterOrDigit || (c != '\0' && kPunctuation.find(c) != std::string_view::npos);
}

bool SerialProgramSession::acceptsText(const std::string& text) {
    return text.size() <= kSerialLength && std::all_of(text.begin(), text.end(), acceptsCharacter);
}

// The entry field holds at most ten of its own characters; a text from elsewhere that it could
// not hold is refused like a short one rather than cut or sent as it is.
bool SerialProgramSession::entryRefused(const std::string& text) {
    if (text.size() == kSerialLength && acceptsText(text)) return false;
    messages::tell(ui_, messages::kSerialLength);
    return true;
}

void SerialProgramSession::update(const std::string& text) {
    auto conn = obtainConnection(ui_);
    if (!conn) return;
    try {
        if (!operations_.serialMatches(storage_, *conn)) {
            conn.reset();
            messages::tell(ui_, messages::kRadioChangedAtUpdate);
            return;
        }
        if (entryRefused(text)) return;
        writeSerialNumber(text, *conn);
    } catch (const std::exception&) {
        messages::tell(ui_, messages::kUtilityCommunicationError);
    }
}

void SerialProgramSession::quickUpdate(const std::string& text) {
    if (entryRefused(text)) return;
    auto conn = obtainConnection(ui_);
    if (!conn) return;
    try {
        writeSerialNumber(text, *conn);
    } catch (const std::exception&) {
        messages::tell(ui_, messages::kUtilityCommunicationError);
    }
}

// The write leaves its service-log line, done or failed, before the technician is told.
void SerialProgramSession::writeSerialNumber(const std::string& text, cominit& conn) {
    try {
        conn.writeSerialNumber(text);
    } catch (const std::exception&) {
        recordUtilityWrite(storage_, kServiceAction, text, ServiceResult::Failed,
                           messages::kUtilityCommunicationError.text);
        throw;
    }
    recordUtilityWrite(storage_, kServiceAction, text, ServiceResult::Done);
    messages::tell(ui_, messages::kSerialProgrammed);
}

}  // namespace vantrel
