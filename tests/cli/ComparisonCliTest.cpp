#include "cli/CliCommand.h"
#include "files/fileModule.h"
#include "files/serviceReport.h"
#include "model/SoftpotCatalogue.h"
#include "model/radioStorage.h"
#include "operations/OperationsBench.h"
#include "operations/radioOperations.h"
#include "support/ScratchDirectory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vantrel {
namespace {

using ::testing::HasSubstr;

// Archives of a read of the simulated radio, and of the same image with a few values changed.
class ComparisonCli : public ::testing::Test {
protected:
    void SetUp() override {
        testing::RadioBench bench(testing::simulatedRadio("mobile-v2.json"));
        testing::RecordedProgress progress;
        ASSERT_TRUE(radioOperations().readRadio(image, progress).isComplete());
        ASSERT_TRUE(fileModule().saveArchive(before, image));
    }

    std::string save(const radioStorage& storage, const std::string& name) {
        const auto path = (scratch / name).string();
        EXPECT_TRUE(fileModule().saveArchive(path, storage));
        return path;
    }

    // The image with K of F2 and the DTMF deviation changed.
    std::string changed() {
        radioStorage tuned = image;
        const SoftpotFamilyRow& km = catalogueRow(SoftpotFamily::KandM);
        const int secondK = km.firstEntry + km.entriesPerPoint();
        tuned.setValue(km.row, secondK, image.value(km.row, secondK) + 3);
        const SoftpotFamilyRow& dtmf = catalogueRow(SoftpotFamily::Dtmf);
        tuned.setValue(dtmf.row, dtmf.firstEntry, 12);
        return save(tuned, "after.sfp");
    }

    int run(const std::vector<std::string>& arguments, const cli::ServiceReportPdfWriter& pdf = {}) {
        out.str("");
        err.str("");
        return cli::runCli(arguments, out, err, false, {}, pdf);
    }

    testing::ScratchDirectory scratch;
    radioStorage image;
    std::string before = (scratch / "before.sfp").string();
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(ComparisonCli, EqualArchivesExitZeroAndDifferentOnesOne) {
    EXPECT_EQ(run({"compare", before, save(image, "copy.sfp")}), 0) << err.str();
    EXPECT_THAT(out.str(), HasSubstr("No value changed: the archives are equal.\n"));

    EXPECT_EQ(run({"compare", before, changed()}), 1) << err.str();
    EXPECT_THAT(out.str(), HasSubstr("MOBILE K & M SOFTPOTS\n"
                                     "  Point  Frequency (MHz)  Before  After  Difference\n"
                                     "  F2 K   144.000000           19     22          +3\n"));
    EXPECT_THAT(out.str(), HasSubstr("  DTMF SIGNALLING  138.000000           18     12          -6\n"));
    EXPECT_THAT(out.str(), HasSubstr("2 values changed.\n"));
}

// The JSON is read as text here: the Windows build of the tests has no JSON parser.
TEST_F(ComparisonCli, JsonListsTheSameChanges) {
    ASSERT_EQ(run({"compare", before, changed(), "--json"}), 1) << err.str();
    EXPECT_THAT(out.str(), HasSubstr("  \"changes\": [\n"
                                     "    {\n"
                                     "      \"after\": 22,\n"
                                     "      \"afterMHz\": 144.0,\n"
                                     "      \"before\": 19,\n"
                                     "      \"beforeMHz\": 144.0,\n"
                                     "      \"difference\": 3,\n"
                                     "      \"family\": \"MOBILE K & M SOFTPOTS\",\n"
                                     "      \"item\": \"F2 K\",\n"
                                     "      \"point\": 2\n"
                                     "    },\n"));
    EXPECT_THAT(out.str(), HasSubstr("\"item\": \"\",\n      \"point\": 1\n    }\n  ],\n"));
    EXPECT_THAT(out.str(), HasSubstr("\"equal\": false,\n"));
    EXPECT_THAT(out.str(), HasSubstr("\"serialNumber\": \"781TKA0201\",\n"));

    ASSERT_EQ(run({"compare", before, before, "--json"}), 0);
    EXPECT_THAT(out.str(), HasSubstr("\"changes\": [],\n"));
    EXPECT_THAT(out.str(), HasSubstr("\"equal\": true,\n"));
}

TEST_F(ComparisonCli, ArchivesOfAnotherRadioAreRefusedUnlessAsked) {
    radioStorage other = image;
    other.setSerialNumber("781TKA0999");
    const std::string path = save(other, "other.sfp");
    EXPECT_EQ(run({"compare", before, path}), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_THAT(err.str(), HasSubstr("the archives come from different radios (serial numbers 781TKA0201 and "
                                     "781TKA0999); --any-radio compares them anyway"));
    EXPECT_EQ(run({"service-report", before, path, "-o", "x.pdf"}, [](const auto&, const auto&) { return true; }), 1);

    EXPECT_EQ(run({"compare", before, path, "--any-radio"}), 1);
    EXPECT_THAT(out.str(), HasSubstr("Radio Serial No  781TKA0201  781TKA0999"));
}

// A damaged archive is refused as every command refuses it, named, with the file status.
TEST_F(ComparisonCli, DamagedArchivesAreRefusedAsTheReaderRefusesThem) {
    std::string cut;
    {
        std::ifstream in(before, std::ios::binary);
        cut.assign(std::istreambuf_iterator<char>(in), {});
    }
    const auto damaged = (scratch / "damaged.sfp").string();
    std::ofstream(damaged, std::ios::binary) << cut.substr(0, cut.size() / 2);
    struct Case {
        std::vector<std::string> arguments;
        const char* message;
    };
    const Case cases[] = {
        {{"compare", before, damaged}, "ERROR: Invalid file format!! File is not an *.SFP file\n"},
        {{"compare", (scratch / "missing.sfp").string(), before}, "ERROR: Archive File could not be opened!!\n"},
        {{"service-report", damaged, "-o", "x.pdf"}, "ERROR: Invalid file format!! File is not an *.SFP file\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(c.arguments, [](const auto&, const auto&) { return true; }), 4) << c.message;
        EXPECT_THAT(err.str(), HasSubstr(c.message));
        EXPECT_THAT(err.str(), HasSubstr(" was not loaded\n"));
    }
}

TEST_F(ComparisonCli, ServiceReportHandsTheReportToTheWriter) {
    std::optional<ServiceReport> written;
    std::string path;
    const cli::ServiceReportPdfWriter writer = [&](const ServiceReport& report, const std::string& to) {
        written = report;
        path = to;
        return to != "unwritable.pdf";
    };
    const std::string after = changed();
    ASSERT_EQ(run({"service-report", before, after, "-o", "out.pdf"}, writer), 0) << err.str();
    EXPECT_EQ(path, "out.pdf");
    ASSERT_TRUE(written);
    EXPECT_TRUE(written->hasBefore);
    EXPECT_EQ(written->summary, "2 values changed.");
    EXPECT_THAT(written->header[3].second, HasSubstr("before.sfp, made "));

    ASSERT_EQ(run({"service-report", after, "-o", "one.pdf"}, writer), 0) << err.str();
    EXPECT_FALSE(written->hasBefore);
    EXPECT_EQ(run({"service-report", before, after, "-o", "unwritable.pdf"}, writer), 4);
    EXPECT_THAT(err.str(), HasSubstr("the service report could not be written to unwritable.pdf"));
    EXPECT_EQ(run({"service-report", before, after, "-o", "out.pdf"}), 4);
    EXPECT_THAT(err.str(), HasSubstr("cannot write PDF files"));
}

TEST(ComparisonCliUsage, WrongCommandLinesAreUsageErrors) {
    const std::vector<std::vector<std::string>> wrong = {
        {"compare", "a.sfp"},
        {"compare", "a.sfp", "b.sfp", "c.sfp"},
        {"compare", "a.sfp", "b.sfp", "-o", "x"},
        {"service-report", "a.sfp", "b.sfp"},
        {"service-report", "a.sfp", "-o", "-"},
        {"service-report", "a.sfp", "b.sfp", "-o", "x.pdf", "--json"},
        {"report", "a.sfp", "b.sfp"},
        {"program", "a.sfp", "--any-radio"},
    };
    for (const auto& arguments : wrong) {
        std::ostringstream out, err;
        EXPECT_EQ(cli::runCli(arguments, out, err), 2) << arguments.back();
    }
}

}  // namespace
}  // namespace vantrel
