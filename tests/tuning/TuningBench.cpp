#include "tuning/TuningBench.h"

#include "files/formatText.h"
#include "support/RadioProfiles.h"

namespace vantrel::testing {

namespace {

std::uint32_t bigEndian(const std::vector<std::uint8_t>& bytes, std::size_t from) {
    std::uint32_t value = 0;
    for (std::size_t i = from; i < bytes.size(); ++i) value = value << 8 | bytes[i];
    return value;
}

std::string word(const sim::LoggedRequest& r) {
    const auto& p = r.payload;
    switch (r.opcode) {
        case 0x23:
            if (p == std::vector<std::uint8_t>{1}) return "serial";
            break;
        case 0x22:
            if (p.size() == 3) return formatText("test %d,%d,%d", p[0], p[1], p[2]);
            break;
        case 0x1F:
            if (p.size() == 1) return formatText("auto tune %d", p[0]);
            break;
        case 0x21:
            if (p.size() == 3) return formatText("channel %u", bigEndian({p[1], p[2]}, 0));
            if (p.size() == 5)
                return formatText("channel %u/%u", bigEndian({p[1], p[2]}, 0), bigEndian({p[3], p[4]}, 0));
            break;
        case 0x20:
            if (p.size() >= 3 && p[1] == 2) return formatText("live %d=%u", p[0], bigEndian(p, 2));
            if (p.size() >= 3 && p[1] == 1) return formatText("commit %d=%u", p[0], bigEndian(p, 2));
            if (p.size() == 3 && p[1] == 3) return formatText("read all %d", p[0]);
            if (p.size() == 2 && p[1] == 0) return formatText("calibration %d", p[0]);
            break;
        case 0x19:
            if (p.size() == 1) return p[0] == 1 ? "key up" : "dekey";
            break;
        case 0x10:
            return "reset";
        default:
            break;
    }
    return formatText("op %02X", r.opcode);
}

}  // namespace

std::vector<std::string> describeRequests(const std::vector<sim::LoggedRequest>& log) {
    std::vector<std::string> words;
    for (const sim::LoggedRequest& request : log) words.push_back(word(request));
    return words;
}

TuningBench::TuningBench(const std::string& profile)
    : bench(testing::simulatedRadio(profile + ".json")), context{storage, operations, openScreenKind, ui, [this] {
                                                                     ++radioReads;
                                                                     RecordedProgress progress;
                                                                     operations.readRadio(storage, progress);
                                                                 }} {
    RecordedProgress progress;
    EXPECT_EQ(operations.readRadio(storage, progress), ReadOutcome::complete());
    requests();
    portsOpened();
}

std::unique_ptr<TuningSession> TuningBench::open(int kind) {
    std::unique_ptr<TuningSession> session = makeTuningSession(kind, context);
    if (session == nullptr) {
        ADD_FAILURE() << "no screen of kind " << kind;
        return session;
    }
    session->open();
    session->setupDisplay();
    return session;
}

std::vector<std::string> TuningBench::requests() {
    std::vector<std::string> words = describeRequests(bench.radio.log());
    bench.radio.clearLog();
    return words;
}

int TuningBench::portsOpened() {
    const int fresh = bench.opener.opened - portsSeen_;
    portsSeen_ = bench.opener.opened;
    return fresh;
}

}  // namespace vantrel::testing
