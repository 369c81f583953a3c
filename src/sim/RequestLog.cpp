#include "sim/RequestLog.h"

#include <cstdio>

namespace vantrel::sim {

namespace {

std::string hex(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (std::uint8_t b : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%s%02X", text.empty() ? "" : " ", b);
        text += pair;
    }
    return text;
}

std::string stateText(const RadioState& state) {
    std::string text = state.keyed ? "keyed" : "dekeyed";
    char part[64];
    if (state.testMode) {
        std::snprintf(part, sizeof part, " test-mode=%u,%u,%u", state.testMode->function, state.testMode->level,
                      state.testMode->spacing);
        text += part;
    }
    if (state.channel) {
        std::snprintf(part, sizeof part, " channel=%u/%u", state.channel->transmit, state.channel->receive);
        text += part;
    }
    return text;
}

}  // namespace

std::string describe(const LoggedRequest& request) {
    char head[64];
    std::snprintf(head, sizeof head, "%10u op=%02X", request.at, request.opcode);
    std::string line = head;
    line += " payload=[" + hex(request.payload) + "] " + stateText(request.state);
    if (!request.checksumValid) line += " bad-checksum";
    for (FaultKind fault : request.faults) line += " fault=" + std::string(faultName(fault));
    line += request.carriedOut ? " done" : " not-done";
    return line;
}

}  // namespace vantrel::sim
