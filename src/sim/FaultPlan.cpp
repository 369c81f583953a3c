#include "sim/FaultPlan.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vantrel::sim {

namespace {

constexpr std::uint8_t kSoftpotRequest = 0x20;
constexpr std::uint8_t kAutoTuneRequest = 0x1F;

constexpr std::array<std::pair<FaultKind, std::string_view>, 11> kNames{{
    {FaultKind::NoEcho, "noEcho"},
    {FaultKind::NoAcknowledgement, "noAcknowledgement"},
    {FaultKind::Refuse, "refuse"},
    {FaultKind::Unsupported, "unsupported"},
    {FaultKind::LateResponse, "lateResponse"},
    {FaultKind::SlowResponse, "slowResponse"},
    {FaultKind::BareAcknowledgement, "bareAcknowledgement"},
    {FaultKind::CorruptChecksum, "corruptChecksum"},
    {FaultKind::FlipPayloadByte, "flipPayloadByte"},
    {FaultKind::CutShort, "cutShort"},
    {FaultKind::WriteRefused, "writeRefused"},
}};

}  // namespace

std::string_view faultName(FaultKind kind) {
    for (const auto& [k, name] : kNames) {
        if (k == kind) return name;
    }
    return "?";
}

std::optional<FaultKind> faultNamed(std::string_view name) {
    for (const auto& [kind, n] : kNames) {
        if (n == name) return kind;
    }
    return std::nullopt;
}

bool RequestMatch::matches(std::uint8_t requestOpcode, const std::vector<std::uint8_t>& requestPayload) const {
    if (opcode && *opcode != requestOpcode) return false;
    if (payload && *payload != requestPayload) return false;
    if (!softpot) return true;
    const bool namesSoftpot = requestOpcode == kSoftpotRequest || requestOpcode == kAutoTuneRequest;
    return namesSoftpot && !requestPayload.empty() && requestPayload[0] == *softpot;
}

void FaultPlan::add(const FaultRule& rule) {
    if (rule.count > 0) rules_.push_back(rule);
}

std::vector<FaultRule> FaultPlan::take(std::uint8_t opcode, const std::vector<std::uint8_t>& payload) {
    std::vector<FaultRule> hits;
    for (FaultRule& rule : rules_) {
        if (!rule.match.matches(opcode, payload)) continue;
        if (rule.skip > 0) {
            --rule.skip;
            continue;
        }
        hits.push_back(rule);
        if (rule.count != FaultRule::kForever) --rule.count;
    }
    std::erase_if(rules_, [](const FaultRule& r) { return r.count == 0; });
    return hits;
}

bool FaultPlan::armed(FaultKind kind) const {
    return std::any_of(rules_.begin(), rules_.end(), [kind](const FaultRule& r) { return r.kind == kind; });
}

}  // namespace vantrel::sim
