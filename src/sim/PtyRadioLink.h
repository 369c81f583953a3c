#pragma once

#include "link/Clock.h"
#include "sim/RequestAssembler.h"
#include "sim/SimRadio.h"

#include <cstdint>
#include <deque>
#include <string>
#include <thread>
#include <vector>

namespace vantrel::sim {

// The simulated radio behind a pseudo-terminal, in real time: a program opens the slave side
// as its serial port. A pseudo-terminal has no single-wire echo, so this transport echoes
// every byte itself as it hears it (holding the echo of a frame back only while a fault may
// still lose the request). It keeps a slave descriptor of its own open: once every slave
// descriptor is closed, reads on the master fail with EIO, and the host opens and closes the
// port for every action.
class PtyRadioLink {
public:
    explicit PtyRadioLink(SimRadio& radio, Clock& clock = systemClock());
    ~PtyRadioLink();
    PtyRadioLink(const PtyRadioLink&) = delete;
    PtyRadioLink& operator=(const PtyRadioLink&) = delete;

    const std::string& slavePath() const { return slavePath_; }

    // Serves until requestStop().
    void run();
    // Ends run(); safe to call from a signal handler or another thread.
    void requestStop();
    // run() on a thread of its own, and its end.
    void start();
    void stop();

private:
    class Descriptor {
    public:
        explicit Descriptor(int fd = -1) : fd_(fd) {}
        ~Descriptor() { reset(); }
        Descriptor(const Descriptor&) = delete;
        Descriptor& operator=(const Descriptor&) = delete;
        int get() const { return fd_; }
        void reset(int fd = -1);

    private:
        int fd_;
    };

    struct Outgoing {
        std::uint32_t due;
        std::vector<std::uint8_t> bytes;
    };

    void hear(std::uint8_t byte, std::uint32_t now);
    void schedule(const Answer& answer, std::uint32_t now);
    void enqueue(std::uint32_t due, std::vector<std::uint8_t> bytes);
    void sendDue(std::uint32_t now);
    void put(const std::vector<std::uint8_t>& bytes);
    void releaseHeldEcho(bool send);
    int pollTimeout(std::uint32_t now) const;
    bool readFromHost();

    SimRadio& radio_;
    Clock& clock_;
    Descriptor master_;
    Descriptor slave_;
    Descriptor wakeRead_;
    Descriptor wakeWrite_;
    std::string slavePath_;
    RequestAssembler assembler_;
    bool holdingEcho_ = false;
    std::vector<std::uint8_t> heldEcho_;
    std::deque<Outgoing> outgoing_;
    std::thread thread_;
};

}  // namespace vantrel::sim
