#pragma once

#include "link/VirtualClock.h"
#include "link/VirtualLine.h"
#include "protocol/Framing.h"
#include "sim/RadioProfile.h"
#include "sim/SimRadio.h"
#include "sim/VirtualLineRadio.h"
#include "support/RadioProfiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::sim::testing {

using Bytes = std::vector<std::uint8_t>;

using vantrel::testing::radioProfilePath;

inline Bytes textBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

// A byte as the host would see it, with the virtual time it arrived.
struct Heard {
    std::uint32_t at;
    std::uint8_t byte;
};

// Everything that came back for one request, taken apart with the framing functions.
struct Returned {
    std::vector<Heard> heard;   // every byte, echo included, with its arrival time
    Bytes echo;                 // the leading bytes when they repeat the request
    std::vector<Bytes> frames;  // complete frames after the echo: acknowledgement, response
    Bytes partial;              // bytes after the last complete frame

    // Arrival time of the k-th byte after the echo.
    std::uint32_t timeAfterEcho(std::size_t k) const { return heard.at(echo.size() + k).at; }
};

// The simulated radio on a virtual line, driven byte by byte with no host exchange engine:
// the test puts a request on the wire and watches what comes back, millisecond by millisecond.
class SimLineTest : public ::testing::Test {
protected:
    void useProfile(const std::string& name) { useProfile(loadRadioProfile(radioProfilePath(name))); }
    void useProfile(const RadioProfile& profile) {
        peer.reset();
        radio.emplace(profile);
        peer.emplace(*radio, line);
    }

    // Sends one request and listens for `listenMs` milliseconds from the moment it was sent.
    Returned send(const Bytes& request, std::uint32_t listenMs = 300) {
        sentAt = clock.milliseconds();
        for (std::uint8_t b : request) line.hostSend(b);
        Returned r;
        for (std::uint32_t t = 0; t <= listenMs; ++t) {
            std::uint8_t b = 0;
            while (line.hostReceive(&b, 1) == 1) r.heard.push_back(Heard{clock.milliseconds() - sentAt, b});
            clock.advance(1);
        }
        Bytes all;
        for (const Heard& h : r.heard) all.push_back(h.byte);
        if (all.size() >= request.size() && std::equal(request.begin(), request.end(), all.begin())) r.echo = request;
        FrameAssembler frames;
        for (std::size_t i = r.echo.size(); i < all.size(); ++i) {
            r.partial.push_back(all[i]);
            if (auto frame = frames.add(all[i])) {
                r.frames.push_back(*frame);
                r.partial.clear();
            }
        }
        return r;
    }
    Returned send(std::uint32_t op, const Bytes& payload, std::uint32_t listenMs = 300) {
        return send(buildFrame(op, payload), listenMs);
    }

    // The response frame of a request that was acknowledged with 0x50.
    Bytes respond(std::uint32_t op, const Bytes& payload) {
        const Returned r = send(op, payload);
        EXPECT_EQ(r.frames.size(), 2u);
        EXPECT_EQ(r.frames.at(0), Bytes{0x50});
        return r.frames.size() == 2 ? r.frames[1] : Bytes{};
    }

    // Payload of a response frame, checked for its checksum.
    static Bytes payloadOf(const Bytes& frame) {
        EXPECT_EQ(checksumOf(frame.data(), frame.size() - 1), frame.back()) << "bad checksum";
        const auto offset = payloadOffset(frame.data());
        return Bytes(frame.begin() + offset, frame.begin() + offset + payloadLength(frame.data()));
    }

    VirtualClock clock{1000};
    VirtualLine line{clock};
    std::optional<SimRadio> radio;
    std::optional<VirtualLineRadio> peer;
    std::uint32_t sentAt = 0;
};

// Request frames the tests send, as the host lays them out.
namespace request {
inline Bytes softpotRead(std::uint8_t n) { return buildFrame(0x20, Bytes{n, 0, 0}); }
inline Bytes allPointsRead(std::uint8_t n) { return buildFrame(0x20, Bytes{n, 3, 0}); }
inline Bytes softpotWrite(std::uint8_t n, std::uint8_t mode, const Bytes& value) {
    Bytes payload{n, mode};
    payload.insert(payload.end(), value.begin(), value.end());
    return buildFrame(0x20, payload);
}
inline Bytes testMode(std::uint8_t f, std::uint8_t level, std::uint8_t spacing) {
    return buildFrame(0x22, Bytes{f, level, spacing});
}
inline Bytes channel(std::uint16_t tx, std::uint16_t rx) {
    return buildFrame(0x21, Bytes{0, std::uint8_t(tx >> 8), std::uint8_t(tx), std::uint8_t(rx >> 8), std::uint8_t(rx)});
}
inline Bytes channel(std::uint16_t value) {
    return buildFrame(0x21, Bytes{0, std::uint8_t(value >> 8), std::uint8_t(value)});
}
inline Bytes memoryWrite(std::uint32_t address, const Bytes& data) {
    Bytes payload{std::uint8_t(address >> 16), std::uint8_t(address >> 8), std::uint8_t(address)};
    payload.insert(payload.end(), data.begin(), data.end());
    return buildFrame(0x17, payload);
}
inline Bytes memoryRead(std::uint32_t address, std::uint8_t count) {
    return buildFrame(0x11,
                      Bytes{count, std::uint8_t(address >> 16), std::uint8_t(address >> 8), std::uint8_t(address)});
}
inline const Bytes kSerialNumber{0xF2, 0x23, 0x01, 0xE9};
inline const Bytes kKeyUp{0xF2, 0x19, 0x01, 0xF3};
inline const Bytes kReset{0xF1, 0x10, 0xFE};
}  // namespace request

}  // namespace vantrel::sim::testing
