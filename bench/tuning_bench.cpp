// The live path of a tuning screen, against the protocol's floor.
//
// A simulated portable serves a pseudo-terminal in real time; a reference oscillator warp
// session (two-byte softpot) and a DTMF session (one byte) are opened and keyed over the real
// POSIX port. Measured per screen:
//   - line steps while keyed: from the step to the softpot write leaving the port, and to the
//     step's end, each against the sum of the mandated pauses of the requests sent until then,
//     and the processor time the step takes on the host;
//   - a thumb-track drag of 20 steps: its whole time against its floor, with the ports opened
//     and the serial checks sent during the drag (one each is the aim).
// The image is read beforehand on the in-process virtual line, which costs no real time.
//
// Usage: tuning_bench [STEPS]   (default 10 line steps per screen)

#include "CountingPort.h"
#include "link/PortConfigurationFile.h"
#include "link/ProgramDirectory.h"
#include "link/VirtualClock.h"
#include "link/VirtualLine.h"
#include "model/radioStorage.h"
#include "operations/ProgressSink.h"
#include "operations/radioOperations.h"
#include "protocol/Framing.h"
#include "sim/PtyRadioLink.h"
#include "sim/RadioProfile.h"
#include "sim/SimRadio.h"
#include "sim/VirtualLineRadio.h"
#include "tuning/TuningSession.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

using namespace vantrel;
using bench::CountingOpener;
using bench::Pauses;
using bench::seconds;

namespace {

constexpr std::uint32_t kSoftpotOpcode = 0x20;
constexpr std::uint32_t kRadioInfoOpcode = 0x23;

std::filesystem::path besideExecutable(const char* name) {
    char self[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    return std::filesystem::path(std::string(self, n > 0 ? static_cast<std::size_t>(n) : 0)).parent_path() / name;
}

class QuietProgress : public ProgressSink {
public:
    void setText(const std::string&) override {}
    void setPercent(int) override {}
};

class Answers : public MessageInteraction {
public:
    MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon, MessageButtons) override {
        std::printf("  unexpected message: %s | %s\n", caption.c_str(), text.c_str());
        return MessageAnswer::Cancel;
    }
};

class VirtualOpener : public PortOpener {
public:
    explicit VirtualOpener(VirtualLine& line) : line_(line) {}
    std::unique_ptr<CommunicationPort> open(std::int32_t) override { return std::make_unique<VirtualLinePort>(line_); }

private:
    VirtualLine& line_;
};

void readImage(const sim::RadioProfile& profile, radioStorage& storage) {
    VirtualClock clock;
    VirtualLine line(clock);
    sim::SimRadio radio(profile);
    sim::VirtualLineRadio peer(radio, line);
    VirtualOpener opener(line);
    ScopedPortOpener scope(opener);
    QuietProgress progress;
    radioOperations().readRadio(storage, progress);
}

// The clock readings the port's listener takes as frames leave.
struct Trace {
    double softpotWriteAt = 0;
    double floorBeforeWrite = 0;
    long serialChecks = 0;
};

struct Summary {
    std::vector<double> writeRatios;
    std::vector<double> stepRatios;
    std::vector<double> cpuMs;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void benchScreen(int kind, const char* name, int steps, const std::string& device, radioStorage& storage) {
    Pauses pauses;
    Trace trace;
    CountingOpener opener(device, pauses, [&](const std::uint8_t* bytes, std::uint32_t count, bool verified) {
        if (count < 2) return;
        const std::uint32_t op = opcode(bytes);
        if (op == kRadioInfoOpcode) ++trace.serialChecks;
        // The pause of the write itself was counted already: it comes after the write.
        if (op == kSoftpotOpcode && trace.softpotWriteAt == 0) {
            trace.softpotWriteAt = seconds();
            Pauses before = pauses;
            --(verified ? before.verified : before.plain);
            trace.floorBeforeWrite = before.floorSeconds();
        }
    });
    ScopedPortOpener scope(opener);
    radioOperations operations;
    int openScreenKind = 0;
    Answers ui;
    TuningContext context{storage, operations, openScreenKind, ui, {}};
    auto session = makeTuningSession(kind, context);
    session->open();
    session->setupDisplay();
    session->toggleKey();
    if (!session->keyed()) {
        std::printf("%s: could not key the radio\n", name);
        return;
    }

    Summary summary;
    std::uint32_t value = session->rows()[0].working;
    for (int i = 0; i < steps; ++i) {
        value = value + 1 > session->maximum() ? 0 : value + 1;
        pauses = Pauses{};
        trace = Trace{};
        const double c0 = seconds(CLOCK_THREAD_CPUTIME_ID);
        const double t0 = seconds();
        session->sliderStep(0, value, SliderStep::Line);
        const double t1 = seconds();
        summary.cpuMs.push_back((seconds(CLOCK_THREAD_CPUTIME_ID) - c0) * 1000.0);
        // The floor up to the write is that of the requests before it; a write that leaves the
        // port with no request before it has a floor of its own transmission only.
        const double writeFloor = std::max(trace.floorBeforeWrite, 0.001);
        summary.writeRatios.push_back((trace.softpotWriteAt - t0) / writeFloor);
        summary.stepRatios.push_back((t1 - t0) / pauses.floorSeconds());
    }
    std::printf("%-28s line step: write leaves after %.3f x its floor, step ends after %.3f x its floor "
                "(median of %d; worst %.3f / %.3f)\n",
                name, median(summary.writeRatios), median(summary.stepRatios), steps,
                *std::max_element(summary.writeRatios.begin(), summary.writeRatios.end()),
                *std::max_element(summary.stepRatios.begin(), summary.stepRatios.end()));
    std::printf("%-28s line step: host processor time %.2f ms (median)\n", name, median(summary.cpuMs));

    pauses = Pauses{};
    trace = Trace{};
    const double d0 = seconds();
    for (int i = 0; i < 20; ++i) {
        value = value + 1 > session->maximum() ? 0 : value + 1;
        session->sliderStep(0, value, SliderStep::ThumbTrack);
    }
    session->sliderEnd(0);
    const double drag = seconds() - d0;
    std::printf("%-28s 20-step drag: %.2f s, floor %.2f s, ratio %.3f; %ld port opened, %ld serial check, "
                "%ld requests\n",
                name, drag, pauses.floorSeconds(), drag / pauses.floorSeconds(), pauses.opened, trace.serialChecks,
                pauses.requests());
    session->close();
}

}  // namespace

int main(int argc, char** argv) {
    const int steps = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const auto folder = std::filesystem::temp_directory_path() / ("vantrel-tuning-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    setProgramDirectory(folder);
    writePortNumber(1);

    const sim::RadioProfile profile = sim::loadRadioProfile(besideExecutable("profiles") / "portable-v1.json");
    radioStorage storage;
    readImage(profile, storage);

    sim::SimRadio radio(profile);
    sim::PtyRadioLink link(radio);
    link.start();
    benchScreen(1, "Reference Oscillator Warp", steps, link.slavePath(), storage);
    benchScreen(9, "DTMF Deviation", steps, link.slavePath(), storage);
    link.stop();
    std::filesystem::remove_all(folder);
    return 0;
}
