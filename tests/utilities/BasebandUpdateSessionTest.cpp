#include "utilities/BasebandUpdateSession.h"

#include "utilities/UtilityFixture.h"
#include "utilities/bboConfigFileModule.h"
#include "utilities/bboMatching.h"
#include "utilities/toneCodes.h"

#include <gtest/gtest.h>

#include <numeric>

namespace vantrel {
namespace {

using testing::UtilityBench;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kBaseband = 0x28;
constexpr std::uint8_t kWriteMemory = 0x17;
constexpr std::uint8_t kReset = 0x10;
constexpr std::uint32_t kTable = 0x100;

// The radio read, the configuration matched, the window open.
struct OpenWindow {
    explicit OpenWindow(const std::string& profile, const std::optional<std::string>& file = testing::sampleConfig())
        : radio(profile) {
        if (file) radio.writeConfig(*file);
        bboConfigFileModule module;
        if (!prepareBasebandUpdate(radio.storage, module, radio.ui)) throw std::runtime_error("no match");
        session = std::make_unique<BasebandUpdateSession>(radio.storage, radio.ui, radio.kind, [this] {
            ++reads;
            testing::RecordedProgress progress;
            radio.operations.readRadio(radio.storage, progress);
        });
        radio.bench.radio.clearLog();
    }
    UtilityBench radio;
    int reads = 0;
    std::unique_ptr<BasebandUpdateSession> session;
};

int byteSum(const Bytes& bytes) { return std::accumulate(bytes.begin(), bytes.end(), 0) % 256; }

TEST(BasebandUpdateSessionTest, CodeplugUpdateChangesOnlyTheChosenNibbleAndKeepsEveryChecksum) {
    OpenWindow w("mobile-bbo-codeplug-prefixed");
    BasebandUpdateSession& s = *w.session;
    EXPECT_EQ(w.radio.kind, BasebandUpdateSession::kKind);
    EXPECT_EQ(s.parameterCount(), 8);
    EXPECT_EQ(s.shownRow(), 0);
    // Entry 0 of the table holds 3A 5C 71 0F: low and high nibble of each byte in turn.
    const std::vector<int> row0{0xA, 0x3, 0xC, 0x5, 0x1, 0x7, 0xF, 0x0};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(s.current(0, i), row0[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(s.currentText(0), "1215 Hz");
    EXPECT_EQ(s.defaultValue(1, 7), 0x1);

    const Bytes before = w.radio.memory(kTable, 20);
    s.choose(1, "1500 Hz");  // mask 0xF0 over 0x3A
    EXPECT_EQ(s.block().block()[6], 0x8A);
    EXPECT_EQ(w.radio.memory(kTable, 20), before);  // nothing reaches the radio before Update
    s.update();
    EXPECT_EQ(w.radio.ui.texts().back(), "NOTE|Baseband offset parameters updated successfully");
    const Bytes after = w.radio.memory(kTable, 20);
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i != 6 && i != 18) {
            EXPECT_EQ(after[i], before[i]) << i;
        }
    }
    EXPECT_EQ(after[6], 0x8A);
    EXPECT_EQ(byteSum(Bytes(after.begin() + 6, after.begin() + 19)), 0);  // the sub-block checksum
    EXPECT_EQ(byteSum(after), 0);                                         // the block checksum
    EXPECT_EQ(w.radio.bench.requests().back().opcode, kReset);
    EXPECT_EQ(s.defaultValue(0, 1), 8);
}

TEST(BasebandUpdateSessionTest, TheBasebandVariantCarriesTheChangeIntoTheCodeplugSum) {
    OpenWindow w("mobile-bbo-codeplug");
    ASSERT_EQ(w.session->codeplugSum(), 0x5A3C);
    w.session->choose(1, "1500 Hz");
    EXPECT_EQ(w.session->codeplugSum(), 0x5A3C + 0x50);
    w.session->update();
    EXPECT_EQ(w.radio.memory(766, 2), (Bytes{0x5A, 0x8C}));
    EXPECT_EQ(w.radio.memory(kTable + 18, 1), Bytes{0xF8});  // the block's own checksums untouched
}

TEST(BasebandUpdateSessionTest, ARefusedEditAsksBeforeTheUpdate) {
    // Entry checksums in a sub-block block guard nothing, so every edit is refused.
    BboConfigDescription d;
    d.key = 5;
    d.records.push_back({{1, "M48", 'P', 0x40, 0, 255, kTable, 2}, {{"Low", 0, 15}, {"High", 1, 240}}});
    for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Ok}) {
        OpenWindow w("mobile-bbo-codeplug-prefixed", encodeBboConfig(d));
        w.radio.bench.radio.model().writeMemory(kTable, Bytes{0x04, 12, 1, 0x40, 3, 3});
        w.session = nullptr;
        w.session = std::make_unique<BasebandUpdateSession>(w.radio.storage, w.radio.ui, w.radio.kind, nullptr);
        w.radio.bench.radio.clearLog();
        w.session->choose(0, "28 Hz");
        EXPECT_TRUE(w.session->editError());
        EXPECT_EQ(w.radio.ui.texts().back(), "ERROR|Data entry error!!");
        w.radio.ui.answers = {answer};
        w.session->update();
        EXPECT_EQ(w.radio.ui.shown.back().text, answer == MessageAnswer::Ok
                                                    ? "Baseband offset parameters updated successfully"
                                                    : "An error occured, update anyway?");
        EXPECT_EQ(w.radio.bench.requests(kWriteMemory).empty(), answer == MessageAnswer::Cancel);
    }
}

TEST(BasebandUpdateSessionTest, RadioModeWritesFifteenRegistersKeepingTheSelector8LowNibble) {
    OpenWindow w("mobile-bbo-radio", std::nullopt);
    BasebandUpdateSession& s = *w.session;
    ASSERT_EQ(s.parameterCount(), 9);
    EXPECT_EQ(s.current(0, 0), 1);
    EXPECT_EQ(s.current(0, 8), 0xA);
    EXPECT_EQ(s.current(2, 7), 0xA);
    s.choose(8, "1500 Hz");
    s.update();
    EXPECT_EQ(w.radio.ui.texts(), (std::vector<std::string>{"NOTE|Baseband Offset parameters updated successfully"}));
    const std::vector<Bytes> expected{{5, 0x81, 0x21},  {0, 0x81, 0x43},  {2, 0x81, 0x65}, {10, 0x81, 0x87},
                                      {8, 0x81, 0x89},  {5, 0x82, 0x32},  {0, 0x82, 0x54}, {2, 0x82, 0x76},
                                      {10, 0x82, 0x98}, {8, 0x82, 0xBA},  {5, 0x83, 0x43}, {0, 0x83, 0x65},
                                      {2, 0x83, 0x87},  {10, 0x83, 0xA9}, {8, 0x83, 0xCB}};
    EXPECT_EQ(w.radio.bench.payloads(kBaseband), expected);
    EXPECT_EQ(w.radio.storage.value(13, 4), 0x89);
    EXPECT_EQ(w.radio.bench.radio.model().basebandOffset(8, 1), 0x89);
}

TEST(BasebandUpdateSessionTest, AnotherRadioOnTheLineIsNotWritten) {
    for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Ok}) {
        OpenWindow w("mobile-bbo-radio", std::nullopt);
        const std::string other = "999TKA0000";
        w.radio.bench.radio.model().writeSerialNumber(
            std::span(reinterpret_cast<const std::uint8_t*>(other.data()), 10));
        w.radio.ui.answers = {answer};
        w.session->update();
        EXPECT_EQ(w.radio.ui.texts().front(), "WARNING|Serial No. Mismatch!! Read in new radio?");
        EXPECT_EQ(w.reads, answer == MessageAnswer::Ok ? 1 : 0);
        for (const auto& p : w.radio.bench.payloads(kBaseband)) EXPECT_EQ(p.size(), 2u);  // reads only
    }
}

TEST(BasebandUpdateSessionTest, RowsTonesAndTheRadioDescription) {
    OpenWindow w("mobile-bbo-codeplug");
    EXPECT_FALSE(w.session->showRow(0));
    EXPECT_TRUE(w.session->showRow(1));
    EXPECT_EQ(w.session->currentText(0), toneText(0xB));
    EXPECT_FALSE(w.session->showRow(3));
    EXPECT_EQ(w.session->radioTypeText(), "Radio Type = Mobile");
    EXPECT_EQ(w.session->primarySystemText(), "Primary system = Pellion");
    w.session->choose(2, "");  // no value: the list is cleared and the block left alone
    EXPECT_EQ(w.session->currentText(2), "");
    EXPECT_FALSE(w.session->editError());

    for (std::uint8_t code = 0; code < 16; ++code) EXPECT_EQ(toneCode(toneText(code)), code);
    EXPECT_EQ(toneText(8), "1500 Hz");
    EXPECT_EQ(toneText(kNoTone), "");
    EXPECT_EQ(toneCode("1500Hz"), kNoTone);
    EXPECT_EQ(toneList().front(), "28 Hz");
    EXPECT_EQ(toneCode(toneList().back()), 8);
}

TEST(BasebandUpdateSessionTest, AFailedLoadClosesTheWindowAgain) {
    OpenWindow w("mobile-bbo-codeplug-prefixed");
    w.session = nullptr;
    w.radio.refuseEvery(0x11);
    BasebandUpdateSession failed(w.radio.storage, w.radio.ui, w.radio.kind, nullptr);
    EXPECT_EQ(w.radio.kind, 0);
    EXPECT_EQ(w.radio.ui.texts().back(), "Error|Unable to initialize baseband offset data");
}

}  // namespace
}  // namespace vantrel
