#include "GuiFixture.h"

#include "app/CommandIds.h"
#include "app/StatusText.h"
#include "app/TProgressWindow.h"
#include "files/fileModule.h"
#include "sim/FaultPlan.h"

#include <algorithm>

namespace vantrel::testing {
namespace {

using namespace command;

const ShownMessage kProgramQuestion{"Program Radio?", "Note", MessageIcon::Information, MessageButtons::OkCancel};
const std::string kIdentity = "Radio Serial No :781TKA0101" + std::string(95, ' ') + "Radio Model No: H25K416CA1AB120 ";
const std::string kInvalidIdentity =
    "Radio Serial No :Invalid" + std::string(95, ' ') + "Radio Model No: H25K416CA1AB120 ";

constexpr std::uint8_t kSoftpotRequest = 0x20;

sim::FaultRule silenceOn(std::uint8_t opcode, std::optional<std::uint8_t> softpot = std::nullopt) {
    sim::FaultRule rule;
    rule.kind = sim::FaultKind::NoAcknowledgement;
    rule.match.opcode = opcode;
    rule.match.softpot = softpot;
    rule.count = sim::FaultRule::kForever;
    return rule;
}

class RadioCommandsTest : public GuiTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(startApp());
        // The gauge and the window at the moment each message is shown.
        ui.onShow = [this](const RecordingInteraction::Event&) {
            const TProgressWindow* progress = client().progressWindow();
            percentAtMessage.push_back(progress != nullptr ? progress->percent() : -1);
            const QWidget* window = client().window();
            if (window->testAttribute(Qt::WA_SetCursor) && window->cursor().shape() == Qt::WaitCursor) {
                ++messagesUnderHourglass;
            }
        };
    }

    // Whichever way a command of these tests ends, a message waits for the technician under the
    // arrow, not the hourglass.
    void TearDown() override { EXPECT_EQ(messagesUnderHourglass, 0); }

    void read() { choose(kReadRadio); }

    // Program All, confirmed.
    void programAll() {
        ui.answers.push_back(MessageAnswer::Ok);
        choose(kProgramAll);
    }

    void expectProgressClosedWithin(int ms = 100) {
        settle(ms);
        ASSERT_NE(client().progressWindow(), nullptr);
        EXPECT_FALSE(client().progressWindow()->isVisible());
        EXPECT_EQ(client().progressWindow()->percent(), 100);
    }

    std::size_t softpotWrites() const {
        const auto log = radio->log();
        return static_cast<std::size_t>(std::count_if(log.begin(), log.end(), [](const sim::LoggedRequest& r) {
            return r.opcode == kSoftpotRequest && r.payload.size() > 2 && r.payload[1] != 0 && r.payload[1] != 3;
        }));
    }

    std::vector<int> percentAtMessage;
    int messagesUnderHourglass = 0;
};

TEST_F(RadioCommandsTest, ReadFillsTheImageShowsProgressAndKeepsABackup) {
    putRadio();
    bool progressShownDuringRead = false;
    radio->setObserver([&](const sim::LoggedRequest&) {
        if (client().progressWindow() != nullptr && client().progressWindow()->isVisible())
            progressShownDuringRead = true;
    });
    read();
    radio->setObserver({});

    EXPECT_TRUE(progressShownDuringRead);
    const TProgressWindow* progress = client().progressWindow();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->windowTitle().toStdString(), "Reading Softpots from radio...");
    EXPECT_EQ(progress->size(), QSize(550, 400));
    EXPECT_EQ(progress->text().toStdString(), "90% Complete");
    expectProgressClosedWithin();

    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{note("Radio has been successfully read !!", "NOTE")});
    EXPECT_TRUE(client().radioRead());
    EXPECT_FALSE(client().archiveLoaded());
    EXPECT_TRUE(client().tuningAllowed());
    EXPECT_EQ(statusShown(), kIdentity);
    EXPECT_EQ(std::filesystem::current_path(), folder.path());
    for (int id : {kSaveArchive, kProgramAll, kProgramSerialNumber, kTempCompRead}) EXPECT_TRUE(enabled(id)) << id;

    // The radio's values as read are kept under backups/, named by serial and time.
    std::vector<std::filesystem::path> backups;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path() / "backups"))
        backups.push_back(entry.path());
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].filename().string().substr(0, 11), "781TKA0101-");
    radioStorage saved;
    ASSERT_EQ(fileModule().loadArchive(backups[0], saved), ArchiveLoadResult::Loaded);
    EXPECT_EQ(saved.serialNumber(), "781TKA0101");
    EXPECT_EQ(saved.value(0, 8), client().storage().value(0, 8));
}

TEST_F(RadioCommandsTest, ReadKeepsALoadedArchiveFlag) {
    putRadio();
    read();
    const auto file = work.path() / "radio.sfp";
    ASSERT_TRUE(fileModule().saveArchive(file, client().storage()));
    ui.files.push_back(file);
    ui.answers.push_back(MessageAnswer::Ok);
    choose(kLoadArchive);
    ASSERT_TRUE(client().archiveLoaded());
    read();
    EXPECT_TRUE(client().archiveLoaded());
    EXPECT_TRUE(client().radioRead());
}

TEST_F(RadioCommandsTest, RadioOfAnotherTuningProcedureIsReadButNotTunable) {
    putRadio("portable-v1.json", [](sim::RadioProfile& p) { p.plan.tuningProcedureVersion = 3; });
    read();
    EXPECT_EQ(ui.messages(),
              (std::vector<ShownMessage>{
                  note("Radio has been successfully read !!", "NOTE"),
                  note("Radio not suitable for tuning due to different tuning procedure version", "NOTE")}));
    EXPECT_TRUE(client().radioRead());
    EXPECT_FALSE(client().tuningAllowed());
    EXPECT_EQ(statusShown(), kIdentity);
}

TEST_F(RadioCommandsTest, UnusableFrequencyPlanInvalidatesTheIdentity) {
    putRadio("portable-v1.json", [](sim::RadioProfile& p) { p.plan.transmit.fill(0); });
    read();
    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{error("All frequency point data is invalid !!", "Error !!")});
    EXPECT_EQ(percentAtMessage, std::vector<int>{100});
    expectProgressClosedWithin();
    EXPECT_FALSE(client().radioRead());
    EXPECT_FALSE(client().archiveLoaded());
    EXPECT_EQ(client().storage().serialNumber(), "Invalid");
    EXPECT_EQ(statusShown(), kInvalidIdentity);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "backups"));
}

TEST_F(RadioCommandsTest, PowerUpStatusSixteenShowsTwoMessagesAndChangesNothing) {
    putRadio("portable-v1.json", [](sim::RadioProfile& p) { p.identity.powerUpStatus = 16; });
    read();
    EXPECT_EQ(ui.messages(),
              (std::vector<ShownMessage>{error("Error occured during radio power up!!", "ERROR"),
                                         error("Radio Hardware Failure !! Operation aborted", "ERROR")}));
    expectProgressClosedWithin();
    EXPECT_FALSE(client().radioRead());
    EXPECT_EQ(client().storage().serialNumber(), "NULL      ");
    EXPECT_EQ(statusShown(), kStartStatusText);
}

// Status 2 is the same number readRadio returns for an unusable plan; it is still a power-up
// failure, and the identity read earlier stays valid.
TEST_F(RadioCommandsTest, PowerUpStatusTwoIsReportedAsAPowerUpFailure) {
    putRadio();
    read();
    ui.clear();
    putRadio("portable-v1.json", [](sim::RadioProfile& p) { p.identity.powerUpStatus = 2; });
    read();
    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{error("Error occured during radio power up!!", "ERROR")});
    EXPECT_TRUE(client().radioRead());
    EXPECT_EQ(client().storage().serialNumber(), "781TKA0101");
    EXPECT_EQ(statusShown(), kIdentity);
}

TEST_F(RadioCommandsTest, FailureInTheMiddleOfAReadInvalidatesTheImage) {
    putRadio();
    radio->inject(silenceOn(kSoftpotRequest, 3));  // modulation balance, after the power reads
    read();
    EXPECT_EQ(ui.messages(),
              std::vector<ShownMessage>{error(
                  "Read Radio Failed !! All softpot operational data is invalid !! Please re-read radio", "Error !!")});
    EXPECT_EQ(percentAtMessage, std::vector<int>{100});
    EXPECT_EQ(client().progressWindow()->text().toStdString(), "25% Complete");
    expectProgressClosedWithin();
    EXPECT_FALSE(client().radioRead());
    EXPECT_FALSE(client().archiveLoaded());
    EXPECT_EQ(statusShown(), kInvalidIdentity);
    EXPECT_EQ(opener.opened, opener.closed) << "the port is closed on the way out";
}

TEST_F(RadioCommandsTest, ReadWithThePortHeldElsewhereFails) {
    opener.refuse = true;
    read();
    EXPECT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].caption, "Error !!");
    EXPECT_EQ(statusShown(), "Radio Serial No :Invalid" + std::string(95, ' ') + "Radio Model No: NULL            ");
}

// The message the technician knows stays as it is; why the port did not open is its detail.
TEST_F(RadioCommandsTest, APortThatDidNotOpenIsExplainedInTheDetailText) {
    using Cause = PortOpenFailure::Cause;
    const struct {
        Cause cause;
        const char* detail;
    } cases[] = {
        {Cause::PermissionDenied, "/dev/ttyUSB0: permission denied \u2014 add yourself to the dialout group"},
        {Cause::NoDevice, "/dev/ttyUSB0: no such device"},
        {Cause::InUse, "/dev/ttyUSB0: in use by another program"},
    };
    for (const auto& c : cases) {
        ui.clear();
        opener.refuseBecause = c.cause;
        read();
        ASSERT_EQ(ui.events.size(), 1u);
        EXPECT_EQ(
            ui.events[0].message,
            error("Read Radio Failed !! All softpot operational data is invalid !! Please re-read radio", "Error !!"));
        EXPECT_EQ(ui.events[0].detail, c.detail);
    }
    opener.refuseBecause.reset();
    putRadio();
    read();
    ui.clear();
    opener.refuseBecause = Cause::NotASerialPort;
    programAll();
    ASSERT_EQ(ui.events.size(), 2u);
    EXPECT_EQ(ui.events[1].message, error("Program Radio Error", "ERROR"));
    EXPECT_EQ(ui.events[1].detail, "/dev/ttyUSB0: not a serial port");
}

TEST_F(RadioCommandsTest, ProgramAllWritesTheImageBackIntoTheSameRadio) {
    putRadio();
    read();
    ui.clear();
    radio->clearLog();
    programAll();
    EXPECT_EQ(ui.messages(),
              (std::vector<ShownMessage>{kProgramQuestion, note("Radio successfully programmed!!", "NOTE")}));
    EXPECT_EQ(client().progressWindow()->windowTitle().toStdString(), "Writing Softpots to radio...");
    expectProgressClosedWithin();
    EXPECT_GT(softpotWrites(), 10u);
    EXPECT_TRUE(client().radioRead());
    EXPECT_EQ(statusShown(), kIdentity);
}

TEST_F(RadioCommandsTest, CancelledProgramAllSendsNothing) {
    putRadio();
    read();
    ui.clear();
    radio->clearLog();
    ui.answers.push_back(MessageAnswer::Cancel);
    choose(kProgramAll);
    EXPECT_EQ(ui.messages(), std::vector<ShownMessage>{kProgramQuestion});
    EXPECT_TRUE(radio->log().empty());
}

TEST_F(RadioCommandsTest, ProgramAllRefusesARadioWithAnotherSerialNumber) {
    putRadio();
    read();
    putRadio("portable-v1.json", [](sim::RadioProfile& p) { p.identity.serialNumber = "999ZZZ0001"; });
    ui.clear();
    programAll();
    EXPECT_EQ(ui.messages(),
              (std::vector<ShownMessage>{
                  kProgramQuestion, error("Serial No. Mismatch !! Program radio aborted", " Radio Program Error")}));
    EXPECT_EQ(percentAtMessage.back(), 100);
    expectProgressClosedWithin();
    const auto log = radio->log();
    ASSERT_EQ(log.size(), 1u) << "only the serial number is asked for";
    EXPECT_EQ(log[0].frame, (std::vector<std::uint8_t>{0xF2, 0x23, 0x01, 0xE9}));
}

TEST_F(RadioCommandsTest, FailureInTheMiddleOfProgramAllIsReported) {
    putRadio();
    read();
    ui.clear();
    radio->clearLog();
    radio->inject(silenceOn(kSoftpotRequest, 2));  // VCO attenuation, after the reference oscillator
    programAll();
    EXPECT_EQ(ui.messages(), (std::vector<ShownMessage>{kProgramQuestion, error("Program Radio Error", "ERROR")}));
    EXPECT_EQ(percentAtMessage.back(), 100);
    expectProgressClosedWithin();
    EXPECT_GE(softpotWrites(), 1u) << "what came before the failure was programmed";
    EXPECT_TRUE(client().radioRead());
    EXPECT_EQ(opener.opened, opener.closed);
}

TEST_F(RadioCommandsTest, ProgramAllWithoutAPortReportsAProgramError) {
    putRadio();
    read();
    ui.clear();
    opener.refuse = true;
    programAll();
    EXPECT_EQ(ui.messages(), (std::vector<ShownMessage>{kProgramQuestion, error("Program Radio Error", "ERROR")}));
}

TEST_F(RadioCommandsTest, ProgressWindowClosesOnAClickOnlyOnceNearlyDone) {
    TProgressWindow window(QStringLiteral("Reading Softpots from radio..."), folder.path() / "title.bmp");
    EXPECT_FALSE(window.hasPicture());
    window.show();
    window.setText("5% Complete");
    window.setPercent(94);
    QTest::mouseClick(&window, Qt::LeftButton);
    settle();
    EXPECT_TRUE(window.isVisible()) << "a click does nothing at 94 %";
    window.setPercent(95);
    QTest::mouseClick(&window, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());

    TProgressWindow timed(QStringLiteral("Writing Softpots to radio..."),
                          std::filesystem::path(VANTREL_BIN_DIR) / "title.bmp");
    EXPECT_TRUE(timed.hasPicture());
    timed.show();
    timed.setPercent(95);
    settle();
    EXPECT_TRUE(timed.isVisible()) << "the closing timer starts at 96 %";
    timed.setPercent(96);
    settle();
    EXPECT_FALSE(timed.isVisible());
}

}  // namespace
}  // namespace vantrel::testing
