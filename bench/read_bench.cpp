// Wall time and processor time of a whole radio read, against the protocol's floor.
//
// Each profile's simulated radio serves a pseudo-terminal in real time; the host reads it with
// readRadio over the real POSIX port. Every request must be followed by a pause of 110 ms (plain
// exchanges) or 175 ms (exchanges that hand back data or record a write), so the sum of those
// pauses for the requests actually sent is the floor a read cannot beat.
//
// Usage: read_bench [PROFILE.json ...]   (default: every profile beside the executable)

#include "CountingPort.h"
#include "model/radioStorage.h"
#include "operations/ProgressSink.h"
#include "operations/radioOperations.h"
#include "sim/PtyRadioLink.h"
#include "sim/RadioProfile.h"
#include "sim/SimRadio.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <time.h>
#include <unistd.h>

using namespace vantrel;
using vantrel::bench::CountingOpener;
using vantrel::bench::Pauses;
using vantrel::bench::seconds;

namespace {

class QuietProgress : public ProgressSink {
public:
    void setText(const std::string&) override {}
    void setPercent(int) override {}
};

bool benchOne(const std::filesystem::path& profile) {
    sim::SimRadio radio(sim::loadRadioProfile(profile));
    sim::PtyRadioLink link(radio);
    link.start();
    Pauses pauses;
    CountingOpener opener(link.slavePath(), pauses);
    ScopedPortOpener scope(opener);
    radioStorage storage;
    QuietProgress progress;

    const double wall0 = seconds(CLOCK_MONOTONIC);
    const double cpu0 = seconds(CLOCK_THREAD_CPUTIME_ID);
    int result = -1;
    try {
        result = radioOperations().readRadio(storage, progress);
    } catch (const std::exception& e) {
        std::printf("%-36s failed: %s\n", profile.filename().c_str(), e.what());
    }
    const double cpu = seconds(CLOCK_THREAD_CPUTIME_ID) - cpu0;
    const double wall = seconds(CLOCK_MONOTONIC) - wall0;
    link.stop();
    if (result != radioOperations::kReadComplete) return false;
    std::printf("%-36s %3ld requests  wall %6.2f s  floor %6.2f s  ratio %.3f  host cpu %.2f %%\n",
                profile.filename().c_str(), pauses.plain + pauses.verified, wall, pauses.floorSeconds(),
                wall / pauses.floorSeconds(), 100.0 * cpu / wall);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> profiles(argv + 1, argv + argc);
    if (profiles.empty()) {
        char self[4096] = {};
        const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
        const auto dir = std::filesystem::path(std::string(self, n > 0 ? n : 0)).parent_path() / "profiles";
        for (const auto& entry : std::filesystem::directory_iterator(dir)) profiles.push_back(entry.path());
        std::sort(profiles.begin(), profiles.end());
    }
    int failures = 0;
    for (const auto& profile : profiles) failures += benchOne(profile) ? 0 : 1;
    return failures == 0 ? 0 : 1;
}
