#include "GuiFixture.h"

#include "app/CommandIds.h"
#include "cli/TuneScript.h"
#include "model/radioStorage.h"
#include "operations/ProgressSink.h"
#include "operations/radioOperations.h"
#include "screens/TTunerEditBox.h"
#include "screens/TTuningScreen.h"
#include "sim/RequestLog.h"
#include "support/ScopedServiceLog.h"

#include <QMdiSubWindow>
#include <QPushButton>

namespace vantrel::testing {
namespace {

class NoProgress : public ProgressSink {
public:
    void setText(const std::string&) override {}
    void setPercent(int) override {}
};

// Opcode and payload of each request, without the time it came.
std::vector<std::string> requestsOf(const std::vector<sim::LoggedRequest>& log) {
    std::vector<std::string> words;
    for (const sim::LoggedRequest& request : log) {
        const std::string line = sim::describe(request);
        const auto op = line.find("op=");
        words.push_back(line.substr(op, line.find(']', op) + 1 - op));
    }
    return words;
}

// The desktop screen and a script drive the same session: a commit of the same value on the
// same radio sends the same requests and leaves the same service-log line but for its time.
TEST_F(GuiTest, ACommitFromTheScreenAndFromAScriptIsTheSame) {
    ScopedServiceLog log;
    putRadio();
    ASSERT_TRUE(startApp());
    choose(command::kReadRadio);
    settle();
    choose(command::kReferenceOscillatorWarp);
    auto* screen = dynamic_cast<TTuningScreen*>(client().subWindowList().front()->widget());
    ASSERT_NE(screen, nullptr);
    auto* box = static_cast<TTunerEditBox*>(screen->control(4000));
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("307"));
    QTest::keyClick(box, Qt::Key_Return);
    radio->clearLog();
    ui.answers.push_back(MessageAnswer::Ok);
    static_cast<QPushButton*>(screen->control(7001))->click();
    const auto fromScreen = requestsOf(radio->log());
    client().subWindowList().front()->close();
    settle();

    putRadio();
    radioStorage storage;
    NoProgress progress;
    ASSERT_TRUE(radioOperations().readRadio(storage, progress).isComplete());
    cli::TuneScript script(storage, [] {});
    script.handle(R"({"verb": "open", "screen": "Reference Oscillator Warp"})");
    script.handle(R"({"verb": "set", "value": 307})");
    radio->clearLog();
    script.handle(R"({"verb": "commit", "confirm": true})");
    EXPECT_EQ(requestsOf(radio->log()), fromScreen);
    EXPECT_FALSE(fromScreen.empty());

    auto records = log.records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].after, 307);
    records[0].time = records[1].time = "";
    EXPECT_EQ(encodeServiceRecord(records[0]), encodeServiceRecord(records[1]));
}

}  // namespace
}  // namespace vantrel::testing
