// Wall time and processor time of acknowledged exchanges over a real serial port.
//
// The host side is a PosixCommunicationPort on a pseudo-terminal; the other side is a thread that
// plays a prompt radio: it echoes each byte as it arrives and answers each complete request at
// once with the bare acknowledgement 0x50 and a response frame. Every exchange must pause 110 ms
// after sending, so that pause is the yardstick: an exchange should cost little more than it in
// wall time, and the waiting should cost almost no processor time.
//
// Usage: exchange_bench [exchanges]   (default 30)

#include "link/Clock.h"
#include "link/PosixCommunicationPort.h"
#include "link/PosixPseudoTerminal.h"
#include "protocol/CaptureArea.h"
#include "protocol/Framing.h"
#include "protocol/ZIRKMessage.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <thread>
#include <vector>

#include <poll.h>
#include <time.h>
#include <unistd.h>

using namespace vantrel;

namespace {

constexpr double kWallAim = 1.05;  // times the pause after sending
constexpr double kCpuAim = 0.05;   // share of wall time

double seconds(clockid_t id) {
    timespec t{};
    clock_gettime(id, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The real clock, counting what the link asks of it.
class CountingClock : public Clock {
public:
    std::uint32_t milliseconds() override {
        ++reads;
        return real_.milliseconds();
    }
    void sleep(std::uint32_t ms) override {
        ++sleeps;
        sleptMs += ms;
        real_.sleep(ms);
    }
    long reads = 0;
    long sleeps = 0;
    long sleptMs = 0;

private:
    SteadyClock real_;
};

// The radio's end of the line: echo every byte, and behind each complete request the bare
// acknowledgement and an identity response, all at once.
class PromptRadio {
public:
    explicit PromptRadio(int master) : master_(master), thread_([this] { serve(); }) {}
    ~PromptRadio() {
        stop_ = true;
        thread_.join();
    }
    long requests() const { return requests_; }

private:
    void serve() {
        const std::uint8_t serial[] = {0x01, 'S', 'N', '4', '2', '0', '0', '0', '0', '0', '7'};
        std::vector<std::uint8_t> answer{0x50};
        const std::vector<std::uint8_t> response = buildFrame(0xA3, serial, sizeof serial);
        answer.insert(answer.end(), response.begin(), response.end());

        FrameAssembler assembler;
        while (!stop_) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0 || (p.revents & POLLIN) == 0) continue;
            std::uint8_t bytes[64];
            const ssize_t got = ::read(master_, bytes, sizeof bytes);
            for (ssize_t i = 0; i < got; ++i) {
                put(&bytes[i], 1);
                if (assembler.add(bytes[i])) {
                    put(answer.data(), answer.size());
                    ++requests_;
                }
            }
        }
    }
    void put(const std::uint8_t* bytes, std::size_t count) {
        while (count > 0) {
            const ssize_t n = ::write(master_, bytes, count);
            if (n <= 0) return;
            bytes += n;
            count -= static_cast<std::size_t>(n);
        }
    }

    int master_;
    std::atomic<bool> stop_{false};
    std::atomic<long> requests_{0};
    std::thread thread_;
};

struct Figures {
    std::vector<double> wallMs;
    double processCpu = 0;
    double hostCpu = 0;
    double totalWall = 0;
    int repeated = 0;
    int uncaptured = 0;
};

Figures run(PosixCommunicationPort& port, int exchanges) {
    Figures f;
    const std::uint8_t selector = 0x01;
    const double cpu0 = seconds(CLOCK_PROCESS_CPUTIME_ID);
    const double host0 = seconds(CLOCK_THREAD_CPUTIME_ID);
    const double wall0 = seconds(CLOCK_MONOTONIC);
    for (int i = 0; i < exchanges; ++i) {
        ZIRKMessage request(0x23, &selector, 1);
        const double start = seconds(CLOCK_MONOTONIC);
        request.transact(port);
        f.wallMs.push_back((seconds(CLOCK_MONOTONIC) - start) * 1000.0);
        if (request.attempts() != 1) ++f.repeated;
        if (!captureArea().hasCapturedResponse()) ++f.uncaptured;
    }
    f.totalWall = seconds(CLOCK_MONOTONIC) - wall0;
    f.processCpu = seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
    f.hostCpu = seconds(CLOCK_THREAD_CPUTIME_ID) - host0;
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    const int exchanges = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    try {
        PosixPseudoTerminal pty;
        CountingClock clock;
        PosixCommunicationPort port(std::filesystem::path(pty.slavePath()), 9600, 0, 8, 0, 0, clock);
        PromptRadio radio(pty.master());

        const Figures f = run(port, exchanges);
        std::vector<double> sorted = f.wallMs;
        std::sort(sorted.begin(), sorted.end());
        const double pause = SerialPortBase::kPauseAfterTransmit;
        const double mean = f.totalWall * 1000.0 / exchanges;
        const double wallRatio = mean / pause;
        const double cpuShare = f.processCpu / f.totalWall;

        std::printf("exchanges          %d (radio saw %ld requests, %d repeated, %d without a captured response)\n",
                    exchanges, radio.requests(), f.repeated, f.uncaptured);
        std::printf("wall per exchange  mean %.2f ms  min %.2f  median %.2f  max %.2f\n", mean, sorted.front(),
                    sorted[sorted.size() / 2], sorted.back());
        std::printf("wall / pause       %.3f x %.0f ms (aim <= %.2f)\n", wallRatio, pause, kWallAim);
        std::printf("cpu per exchange   %.3f ms, %.2f %% of wall (host thread alone %.2f %%) (aim <= %.0f %%)\n",
                    f.processCpu * 1000.0 / exchanges, cpuShare * 100.0, f.hostCpu / f.totalWall * 100.0,
                    kCpuAim * 100.0);
        std::printf("clock per exchange %.1f sleeps asking %.1f ms, %.1f counter reads\n",
                    static_cast<double>(clock.sleeps) / exchanges, static_cast<double>(clock.sleptMs) / exchanges,
                    static_cast<double>(clock.reads) / exchanges);
        const bool met = wallRatio <= kWallAim && cpuShare <= kCpuAim;
        std::printf("%s\n", met ? "aim met" : "aim missed");
        return f.repeated == 0 && f.uncaptured == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "exchange_bench: %s\n", e.what());
        return 1;
    }
}
