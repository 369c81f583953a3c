#include "utilities/SerialProgramSession.h"
#include "utilities/TempCompSession.h"

#include "utilities/UtilityFixture.h"
#include "utilities/utilityMessages.h"

#include "support/ScopedServiceLog.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using testing::ScopedServiceLog;
using testing::UtilityBench;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kWriteSerial = 0x18;
constexpr std::uint8_t kIdentity = 0x23;
constexpr std::uint8_t kSoftpot = 0x20;

void putOtherRadio(UtilityBench& radio) {
    const std::string other = "999TKA0000";
    radio.bench.radio.model().writeSerialNumber(std::span(reinterpret_cast<const std::uint8_t*>(other.data()), 10));
}

TEST(SerialProgramSessionTest, OpeningChecksTheRadioAndHandsAMismatchToTheCommand) {
    UtilityBench same("portable-v1");
    const int openedBefore = same.bench.opener.opened;
    {
        SerialProgramSession session(same.storage, same.operations, same.ui, same.kind);
        EXPECT_EQ(same.kind, SerialProgramSession::kKind);
        EXPECT_TRUE(same.ui.shown.empty());
        EXPECT_EQ(same.bench.opener.opened - openedBefore, 2);
        EXPECT_EQ(same.bench.opener.closed, same.bench.opener.opened);
    }
    EXPECT_EQ(same.kind, 0);

    UtilityBench other("portable-v1");
    putOtherRadio(other);
    try {
        SerialProgramSession session(other.storage, other.operations, other.ui, other.kind);
        ADD_FAILURE() << "the window opened on another radio";
    } catch (const RadioChangedError& e) {
        EXPECT_STREQ(e.what(), "Radio has been changed!! Read in new radio?");
    }
    EXPECT_EQ(other.kind, 0);
    EXPECT_EQ(other.bench.opener.opened, other.bench.opener.closed);

    UtilityBench busy("portable-v1");
    busy.bench.opener.refuse = true;
    SerialProgramSession session(busy.storage, busy.operations, busy.ui, busy.kind);
    EXPECT_EQ(busy.kind, SerialProgramSession::kKind);
    EXPECT_EQ(busy.ui.texts(),
              (std::vector<std::string>{" WARNING|COM Port is currently in use by another application"}));
}

TEST(SerialProgramSessionTest, UpdateAndEnterPaths) {
    struct Case {
        const char* why;
        bool enter;
        bool otherRadio;
        std::string text;
        std::string shown;
        bool written;
        bool serialRead;
    };
    const Case cases[] = {
        {"nine characters", false, false, "781TKA010", "Entry Error|Serial No. must be exactly 10 characters", false,
         true},
        {"ten characters", false, false, "781TKA0999", "NOTE|Serial No. has been successfully programmed !!", true,
         true},
        {"another radio", false, true, "781TKA0999",
         "WARNING|Radio has been changed!! Please close the current screen and read in new radio. Perform the same "
         "operation again.",
         false, true},
        {"Enter writes without comparing", true, true, "781TKA0999",
         "NOTE|Serial No. has been successfully programmed !!", true, false},
        {"Enter with nine", true, false, "781TKA099", "Entry Error|Serial No. must be exactly 10 characters", false,
         false},
        {"eleven from elsewhere", true, false, "781TKA09999", "Entry Error|Serial No. must be exactly 10 characters",
         false, false},
    };
    for (const Case& c : cases) {
        ScopedServiceLog log;
        UtilityBench radio("portable-v1");
        SerialProgramSession session(radio.storage, radio.operations, radio.ui, radio.kind);
        if (c.otherRadio) putOtherRadio(radio);
        radio.bench.radio.clearLog();
        c.enter ? session.quickUpdate(c.text) : session.update(c.text);
        EXPECT_EQ(radio.ui.texts(), std::vector<std::string>{c.shown}) << c.why;
        const auto writes = radio.bench.payloads(kWriteSerial);
        EXPECT_EQ(writes.size(), c.written ? 1u : 0u) << c.why;
        if (c.written) {
            EXPECT_EQ(writes[0], (Bytes{0, '7', '8', '1', 'T', 'K', 'A', '0', '9', '9', '9'})) << c.why;
        }
        EXPECT_EQ(radio.bench.payloads(kIdentity).empty(), !c.serialRead) << c.why;
        // Only a write leaves a service-log line, with the new serial number.
        const auto records = log.records();
        ASSERT_EQ(records.size(), c.written ? 1u : 0u) << c.why;
        if (c.written) {
            EXPECT_EQ(records[0].family, "Program Serial No.");
            EXPECT_EQ(records[0].written, c.text);
            EXPECT_EQ(records[0].result, ServiceResult::Done);
        }
        EXPECT_EQ(radio.bench.opener.opened, radio.bench.opener.closed) << c.why;
    }
}

TEST(SerialProgramSessionTest, EntryFieldCharacters) {
    for (const char c : std::string("AZaz09.*#_~!@%&()-+=|{}[];:'?/<>,`"))
        EXPECT_TRUE(SerialProgramSession::acceptsCharacter(c)) << c;
    for (const char c : std::string(" $^\"\\\t\n\x7f\x80"))
        EXPECT_FALSE(SerialProgramSession::acceptsCharacter(c)) << int(c);
    EXPECT_FALSE(SerialProgramSession::acceptsCharacter('\0'));
}

TEST(SerialProgramSessionTest, AFailedWriteIsARadioCommunicationError) {
    ScopedServiceLog log;
    UtilityBench radio("portable-v1");
    SerialProgramSession session(radio.storage, radio.operations, radio.ui, radio.kind);
    radio.refuseEvery(kWriteSerial);
    session.update("781TKA0999");
    EXPECT_EQ(radio.ui.texts(), (std::vector<std::string>{"ERROR|Radio Communication Error!!"}));
    ASSERT_EQ(log.records().size(), 1u);
    EXPECT_EQ(log.records()[0].result, ServiceResult::Failed);
}

TEST(TempCompSessionTest, ReadModeShowsTheFourBytesAsEightDigits) {
    UtilityBench radio("portable-v1");
    for (int i = 9; i <= 12; ++i) radio.storage.setValue(0, i, 0);
    radio.kind = TempCompSession::kReadKind;
    TempCompSession session(radio.storage, radio.ui, radio.kind, TempCompMode::Read);
    EXPECT_EQ(session.displayText(), "0aff007b");
    EXPECT_EQ(radio.bench.payloads(kSoftpot), (std::vector<Bytes>{{1, 0, 0}}));
    EXPECT_EQ(radio.kind, TempCompSession::kReadKind);
    EXPECT_TRUE(radio.ui.shown.empty());

    UtilityBench failing("portable-v1");
    failing.kind = TempCompSession::kReadKind;
    failing.refuseEvery(kSoftpot);
    failing.storage.setValue(0, 12, 0x11);
    TempCompSession failed(failing.storage, failing.ui, failing.kind, TempCompMode::Read);
    EXPECT_EQ(failing.kind, 0);
    EXPECT_EQ(failing.ui.texts(), (std::vector<std::string>{"ERROR|Temp Comp data could not be read !!"}));
    EXPECT_EQ(failed.displayText(), "0aff0011");  // what was held before
}

TEST(TempCompSessionTest, WriteModeProgramsExactlyEightDigits) {
    struct Case {
        std::string text;
        std::string shown;
        std::optional<Bytes> frame;
    };
    const Case cases[] = {
        {"0AFF007B", "NOTE|Temp Comp data has been written in successfully !!",
         Bytes{0xF7, 0x20, 0x01, 0x01, 0x0A, 0xFF, 0x00, 0x7B, 0x62}},
        {"0aff007", "NOTE|Length of Temp Comp data must be exactly 4 bytes", std::nullopt},
        {"", "NOTE|Length of Temp Comp data must be exactly 4 bytes", std::nullopt},
    };
    for (const Case& c : cases) {
        ScopedServiceLog log;
        UtilityBench radio("portable-v1");
        TempCompSession session(radio.storage, radio.ui, radio.kind, TempCompMode::Write);
        EXPECT_EQ(session.displayText(), "");
        session.program(c.text);
        EXPECT_EQ(radio.ui.texts(), std::vector<std::string>{c.shown}) << c.text;
        const auto sent = radio.bench.requests(kSoftpot);
        ASSERT_EQ(sent.size(), c.frame ? 1u : 0u) << c.text;
        if (c.frame) {
            EXPECT_EQ(sent[0].frame, *c.frame);
        }
        EXPECT_EQ(radio.storage.value(0, 9), 0x0A);  // programming leaves the stored bytes alone
        const auto records = log.records();
        ASSERT_EQ(records.size(), c.frame ? 1u : 0u) << c.text;
        if (c.frame) {
            EXPECT_EQ(records[0].written, c.text);
        }
    }
    ScopedServiceLog log;
    UtilityBench failing("portable-v1");
    TempCompSession session(failing.storage, failing.ui, failing.kind, TempCompMode::Write);
    failing.refuseEvery(kSoftpot);
    session.program("12345678");
    EXPECT_EQ(failing.ui.texts(), (std::vector<std::string>{"ERROR|Error writing in Temp Comp data !!"}));
    ASSERT_EQ(log.records().size(), 1u);
    EXPECT_EQ(log.records()[0].result, ServiceResult::Failed);
    EXPECT_EQ(log.records()[0].reason, "Error writing in Temp Comp data !!");
}

TEST(TempCompSessionTest, OpeningRuleAndEntryCharacters) {
    using O = TempCompSession::Opening;
    EXPECT_EQ(TempCompSession::opening(0, TempCompMode::Read), O::Open);
    EXPECT_EQ(TempCompSession::opening(39, TempCompMode::Read), O::AlreadyOpen);
    EXPECT_EQ(TempCompSession::opening(40, TempCompMode::Read), O::Refused);
    EXPECT_EQ(TempCompSession::opening(40, TempCompMode::Write), O::AlreadyOpen);
    EXPECT_EQ(TempCompSession::opening(9, TempCompMode::Write), O::Refused);
    EXPECT_STREQ(TempCompSession::refusal(TempCompMode::Read).text,
                 "Please close all windows before reading Temp Comp data");
    EXPECT_STREQ(TempCompSession::refusal(TempCompMode::Write).text,
                 "Please close all windows before writing Temp Comp data");
    for (const char c : std::string("09AFaf")) EXPECT_TRUE(TempCompSession::acceptsCharacter(c)) << c;
    for (const char c : std::string("gG x-")) EXPECT_FALSE(TempCompSession::acceptsCharacter(c)) << c;
}

}  // namespace
}  // namespace vantrel
