#include "link/PortConfigurationFile.h"
#include "link/RF_CommunicationSetup.h"
#include "support/ScopedProgramDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace vantrel {
namespace {

class PortConfigurationFileTest : public ::testing::Test {
protected:
    void writeRaw(const std::string& bytes) {
        std::ofstream out(portConfigurationPath(), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string readRaw() {
        std::ifstream in(portConfigurationPath(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    testing::ScopedProgramDirectory folder;
};

TEST_F(PortConfigurationFileTest, LivesInTheProgramFolder) {
    EXPECT_EQ(portConfigurationPath(), folder.path() / "com.ini");
}

TEST_F(PortConfigurationFileTest, WritesTheExactBytes) {
    writePortNumber(3);
    EXPECT_EQ(readRaw(), std::string("COM Port Id :3\x0A\x20"));
    writePortNumber(12);
    EXPECT_EQ(readRaw(), std::string("COM Port Id :12\n "));  // truncated, not appended
}

TEST_F(PortConfigurationFileTest, ReadsOneCharacterAfterTheColonAndItsBlanks) {
    const struct {
        const char* text;
        std::int32_t port;
    } cases[] = {
        {"COM Port Id :3\n ", 3},
        {"COM Port Id :3", 3},       // without the trailing line feed and blank
        {"COM Port Id :12\n ", 1},   // one character only
        {"COM Port Id :   4\n", 4},  // blanks after the colon are skipped
        {"COM Port Id :-1\n ", 0},   // not a digit
        {"COM Port Id :\n3", 0},     // the line ends before any digit
        {"COM Port Id :", 0},        // the text ends at the colon
        {"COM Port Id :\t5", 0},     // only blanks are skipped
        {"A:7 B:8", 7},              // the first colon counts
        {"COM Port Id 3\n ", -1},    // no colon: no number
        {"", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parsePortNumber(c.text), c.port) << '"' << c.text << '"';
        writeRaw(c.text);
        EXPECT_EQ(readPortNumber(), c.port) << '"' << c.text << '"';
    }
}

TEST_F(PortConfigurationFileTest, MinusOneWrittenReadsBackAsZero) {
    writePortNumber(-1);
    EXPECT_EQ(readRaw(), "COM Port Id :-1\n ");
    EXPECT_EQ(readPortNumber(), 0);
}

TEST_F(PortConfigurationFileTest, LooksNoFurtherThanTheFirst2000Bytes) {
    std::string text(2000, 'x');
    writeRaw(text + "COM Port Id :5\n ");
    EXPECT_EQ(readPortNumber(), kPortNumberUnreadable);

    text[1998] = ':';
    text[1999] = '6';
    writeRaw(text + ":7");
    EXPECT_EQ(readPortNumber(), 6);

    // The colon is the last byte read: the digit behind it is not looked at.
    text[1998] = 'x';
    text[1999] = ':';
    writeRaw(text + "8");
    EXPECT_EQ(readPortNumber(), 0);
}

TEST_F(PortConfigurationFileTest, MissingOrUnopenableFileIsUnreadable) {
    EXPECT_EQ(readPortNumber(), kPortNumberUnreadable);
    std::filesystem::create_directory(portConfigurationPath());
    EXPECT_EQ(readPortNumber(), kPortNumberUnreadable);
    writePortNumber(2);  // cannot replace a folder; passed over in silence
    EXPECT_EQ(readPortNumber(), kPortNumberUnreadable);
}

TEST_F(PortConfigurationFileTest, SetupFallsBackToTheLastNumberReadInThisRun) {
    writePortNumber(3);
    EXPECT_EQ(RF_CommunicationSetup().portNumber(), 3);
    EXPECT_EQ(lastPortNumber(), 3);

    std::filesystem::remove(portConfigurationPath());
    const RF_CommunicationSetup fallback;
    EXPECT_EQ(fallback.portNumber(), 3);
    EXPECT_EQ(lastPortNumber(), 3);

    // A readable 0 is a number read, and is remembered as such.
    writePortNumber(-1);
    EXPECT_EQ(RF_CommunicationSetup().portNumber(), 0);
    std::filesystem::remove(portConfigurationPath());
    EXPECT_EQ(RF_CommunicationSetup().portNumber(), 0);
}

}  // namespace
}  // namespace vantrel
