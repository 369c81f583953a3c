#include "cli/CliCommand.h"
#include "sim/RadioProfile.h"
#include "sim/SimRadio.h"
#include "sim/VirtualLineRadio.h"
#include "support/RadioProfiles.h"
#include "support/ScopedProgramDirectory.h"
#include "support/ScratchDirectory.h"
#include "support/VirtualPortOpener.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using ::testing::HasSubstr;

// vantrel-cli run in-process against a simulated radio on a virtual line.
class CliOnVirtualLine : public ::testing::Test {
protected:
    void putRadio(const std::string& profileName) {
        peer.reset();
        radio.emplace(testing::simulatedRadio(profileName));
        peer.emplace(*radio, opener.line);
    }

    int run(std::vector<std::string> arguments, bool terminal = false) {
        out.str("");
        err.str("");
        return cli::runCli(arguments, out, err, terminal);
    }

    testing::ScopedProgramDirectory programFolder;
    testing::ScratchDirectory scratch;
    testing::VirtualPortOpener opener;
    std::optional<sim::SimRadio> radio;
    std::optional<sim::VirtualLineRadio> peer;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(CliOnVirtualLine, ReadSavesTheArchiveAndReportsProgress) {
    putRadio("portable-v1.json");
    const auto archive = scratch / "radio.sfp";
    // On a terminal the progress is one line, rewritten in place and ended before the notes.
    ASSERT_EQ(run({"read", "-o", archive.string(), "--key", "12"}, true), 0) << err.str();
    EXPECT_THAT(err.str(), ::testing::StartsWith("\r5% Complete\x1b[K\r10% Complete\x1b[K"));
    EXPECT_THAT(err.str(), HasSubstr("\r90% Complete\x1b[K\nNOTE: Radio has been successfully read !!\n"));
    EXPECT_THAT(err.str(), HasSubstr("NOTE: Radio has been successfully read !!\n"));
    EXPECT_THAT(err.str(), HasSubstr("NOTE: Tuning data has been saved.\n"));
    EXPECT_TRUE(std::filesystem::exists(archive));
    EXPECT_EQ(opener.opened, opener.closed);
    // Like the desktop program, the command line keeps a backup of every radio it read.
    const auto backups = programFolder.path() / "backups";
    ASSERT_TRUE(std::filesystem::is_directory(backups));
    const auto backup = std::filesystem::directory_iterator(backups)->path();
    EXPECT_EQ(backup.filename().string().substr(0, 11), "781TKA0101-");
    EXPECT_EQ(testing::readWholeFile(backup), testing::readWholeFile(archive));

    // The same key makes the same file; -q leaves only what went wrong, and nothing did.
    const auto again = scratch / "again.sfp";
    ASSERT_EQ(run({"read", "-o", again.string(), "--key", "12", "-q"}, true), 0);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(testing::readWholeFile(archive), testing::readWholeFile(again));
}

TEST_F(CliOnVirtualLine, ProgramRefusesAnotherRadioAndProgramsTheSameOne) {
    putRadio("portable-v1.json");
    const auto archive = scratch / "radio.sfp";
    ASSERT_EQ(run({"read", "-o", archive.string()}), 0) << err.str();

    ASSERT_EQ(run({"program", archive.string()}), 0) << err.str();
    EXPECT_THAT(err.str(), HasSubstr("NOTE: Tuning data has been loaded.\n"));
    EXPECT_THAT(err.str(), HasSubstr("NOTE: Radio successfully programmed!!\n"));

    putRadio("mobile-v2.json");
    radio->clearLog();
    EXPECT_EQ(run({"program", archive.string()}), 1);
    EXPECT_THAT(err.str(), HasSubstr(" Radio Program Error: Serial No. Mismatch !! Program radio aborted\n"));
    // Only the serial number was asked for: nothing was written into the other radio.
    ASSERT_EQ(radio->log().size(), 1u);
    EXPECT_EQ(radio->log()[0].opcode, 0x23u);
}

TEST_F(CliOnVirtualLine, ReportWritesTheReportOfAnArchive) {
    putRadio("mobile-v2.json");
    const auto archive = scratch / "mobile.sfp";
    ASSERT_EQ(run({"read", "-o", archive.string()}), 0) << err.str();
    const auto report = scratch / "report.txt";
    ASSERT_EQ(run({"report", archive.string(), "-o", report.string()}), 0) << err.str();
    const std::string text = testing::readWholeFile(report);
    EXPECT_THAT(text, HasSubstr(radio->model().identity().serialNumber));
}

// The PDF writer gets the report's lines; without one (a build without Qt) --pdf is refused.
TEST_F(CliOnVirtualLine, ReportPdfHandsTheReportLinesToTheWriter) {
    putRadio("portable-v1.json");
    const auto archive = scratch / "portable.sfp";
    ASSERT_EQ(run({"read", "-o", archive.string()}), 0) << err.str();
    std::vector<std::string> written;
    std::string path;
    const cli::PdfWriter writer = [&](const std::vector<std::string>& lines, const std::string& to) {
        written = lines;
        path = to;
        return to != "unwritable.pdf";
    };
    std::ostringstream text, messages;
    EXPECT_EQ(cli::runCli({"report", archive.string(), "--pdf", "radio.pdf"}, text, messages, false, writer), 0);
    EXPECT_EQ(path, "radio.pdf");
    ASSERT_GT(written.size(), 100u);
    EXPECT_THAT(written[5], HasSubstr(radio->model().identity().serialNumber));
    EXPECT_EQ(cli::runCli({"report", archive.string(), "--pdf", "unwritable.pdf"}, text, messages, false, writer), 4);
    EXPECT_EQ(cli::runCli({"report", archive.string(), "--pdf", "radio.pdf"}, text, messages), 4);
    EXPECT_THAT(messages.str(), HasSubstr("cannot write PDF files"));
    EXPECT_EQ(cli::runCli({"info", "--pdf", "radio.pdf"}, text, messages), 2);
}

TEST_F(CliOnVirtualLine, InfoPrintsTheIdentity) {
    putRadio("portable-v1.json");
    ASSERT_EQ(run({"info"}), 0) << err.str();
    EXPECT_THAT(out.str(), HasSubstr("Radio Serial No :" + radio->model().identity().serialNumber + "\n"));
    EXPECT_THAT(out.str(), HasSubstr("F1  Tx "));
}

TEST_F(CliOnVirtualLine, FailuresEndWithTheirMessagesAndAFailingStatus) {
    putRadio("portable-v1.json");
    opener.refuse = true;
    EXPECT_EQ(run({"read", "-o", (scratch / "x.sfp").string()}), 3);
    EXPECT_THAT(err.str(), HasSubstr("COM Port is currently in use by another application"));
    EXPECT_FALSE(std::filesystem::exists(scratch / "x.sfp"));
    opener.refuse = false;

    EXPECT_EQ(run({"program", (scratch / "missing.sfp").string()}), 4);
    EXPECT_THAT(err.str(), HasSubstr("ERROR: Archive File could not be opened!!"));

    const auto junk = scratch / "junk.sfp";
    std::ofstream(junk) << "this is no archive at all, not even close to one";
    EXPECT_EQ(run({"report", junk.string()}), 4);
    EXPECT_THAT(err.str(), HasSubstr("Invalid file format!! File is not an *.SFP file"));
}

TEST_F(CliOnVirtualLine, RadioThatStopsAnsweringFailsTheRead) {
    putRadio("portable-v1.json");
    peer.reset();  // the radio is gone: the line only echoes
    EXPECT_EQ(run({"read", "-o", (scratch / "x.sfp").string()}), 1);
    EXPECT_THAT(err.str(), HasSubstr("Error !!: Read Radio Failed !!"));
    EXPECT_EQ(opener.opened, opener.closed);
}

TEST_F(CliOnVirtualLine, ProgramThatFailsHalfWaySaysHowToRecover) {
    putRadio("portable-v1.json");
    const auto archive = scratch / "radio.sfp";
    ASSERT_EQ(run({"read", "-o", archive.string()}), 0) << err.str();
    sim::FaultRule silent;
    silent.kind = sim::FaultKind::NoAcknowledgement;
    silent.match.opcode = 0x20;
    silent.count = sim::FaultRule::kForever;
    radio->inject(silent);
    EXPECT_EQ(run({"program", archive.string()}), 1);
    EXPECT_THAT(err.str(), HasSubstr("ERROR: Program Radio Error\n"));
    EXPECT_THAT(err.str(), HasSubstr("the radio may be partly programmed. Program the archive again (vantrel-cli "
                                     "program " +
                                     archive.string() + ")"));
}

TEST(CliUsage, BadCommandLinesAreUsageErrors) {
    std::ostringstream out, err;
    EXPECT_EQ(cli::runCli({}, out, err), 2);
    EXPECT_EQ(cli::runCli({"read"}, out, err), 2);
    EXPECT_EQ(cli::runCli({"frobnicate"}, out, err), 2);
    EXPECT_EQ(cli::runCli({"read", "-o", "x.sfp", "--key", "abc"}, out, err), 2);
    EXPECT_EQ(cli::runCli({"info", "--port", "1", "--device", "/dev/null"}, out, err), 2);
    EXPECT_THAT(err.str(), HasSubstr("Try 'vantrel-cli --help'."));
    std::ostringstream help;
    EXPECT_EQ(cli::runCli({"--help"}, help, err), 0);
    EXPECT_THAT(help.str(), HasSubstr("program FILE.sfp"));
}

}  // namespace
}  // namespace vantrel
