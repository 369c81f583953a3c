#include "sim/RadioProfile.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <initializer_list>
#include <limits>
#include <sstream>

namespace vantrel::sim {

namespace {

using Json = nlohmann::json;

// A JSON value together with where it sits in the profile, so that every complaint can say
// exactly which item is wrong.
class Node {
public:
    Node(const Json& value, std::string path) : value_(value), path_(std::move(path)) {}

    [[noreturn]] void fail(const std::string& what) const { throw ProfileError(path_ + ": " + what); }

    const Json& json() const { return value_; }
    bool isNull() const { return value_.is_null(); }

    void expectObject(std::initializer_list<std::string_view> allowed) const {
        if (!value_.is_object()) fail("expected an object");
        for (const auto& item : value_.items()) {
            bool known = item.key() == "comment";
            for (std::string_view key : allowed) known = known || item.key() == key;
            if (!known) fail("unknown item '" + item.key() + "'");
        }
    }

    // An object whose keys are data rather than a fixed set of items.
    void expectMap() const {
        if (!value_.is_object()) fail("expected an object");
    }

    bool has(const std::string& key) const { return value_.contains(key); }

    Node at(const std::string& key) const {
        if (!value_.contains(key)) fail("missing item '" + key + "'");
        return child(key);
    }

    Node child(const std::string& key) const { return Node(value_.at(key), path_ + "." + key); }

    std::vector<Node> items(std::size_t minimum = 0,
                            std::size_t maximum = std::numeric_limits<std::size_t>::max()) const {
        if (!value_.is_array()) fail("expected an array");
        if (value_.size() < minimum || value_.size() > maximum) {
            fail(minimum == maximum
                     ? "expected " + std::to_string(minimum) + " items"
                     : "expected between " + std::to_string(minimum) + " and " + std::to_string(maximum) + " items");
        }
        std::vector<Node> result;
        for (std::size_t i = 0; i < value_.size(); ++i) {
            result.emplace_back(value_[i], path_ + "[" + std::to_string(i) + "]");
        }
        return result;
    }

    // A whole number, written as a JSON integer or as a "0x.." text.
    std::uint32_t number(std::uint32_t maximum) const {
        std::uint64_t n = 0;
        if (value_.is_number_unsigned()) {
            n = value_.get<std::uint64_t>();
        } else if (value_.is_string() && value_.get<std::string>().starts_with("0x")) {
            n = hexNumber(value_.get<std::string>().substr(2));
        } else {
            fail("expected a whole number from 0 to " + std::to_string(maximum));
        }
        if (n > maximum) fail("expected a whole number from 0 to " + std::to_string(maximum));
        return static_cast<std::uint32_t>(n);
    }

    std::uint8_t byte() const { return static_cast<std::uint8_t>(number(0xFF)); }

    bool boolean() const {
        if (!value_.is_boolean()) fail("expected true or false");
        return value_.get<bool>();
    }

    std::string text(std::optional<std::size_t> length = std::nullopt) const {
        if (!value_.is_string()) fail("expected a text");
        std::string s = value_.get<std::string>();
        if (length && s.size() != *length)
            fail("expected a text of exactly " + std::to_string(*length) + " characters");
        return s;
    }

    std::vector<std::uint8_t> bytes(std::size_t minimum, std::size_t maximum) const {
        std::vector<std::uint8_t> result;
        for (const Node& item : items(minimum, maximum)) result.push_back(item.byte());
        return result;
    }

    std::vector<std::uint8_t> hexBytes() const {
        std::string digits;
        for (char c : text()) {
            if (c != ' ') digits += c;
        }
        if (digits.size() % 2 != 0) fail("expected pairs of hexadecimal digits");
        std::vector<std::uint8_t> result;
        for (std::size_t i = 0; i < digits.size(); i += 2) {
            result.push_back(static_cast<std::uint8_t>(hexNumber(digits.substr(i, 2))));
        }
        return result;
    }

private:
    std::uint64_t hexNumber(const std::string& digits) const {
        if (digits.empty() || digits.size() > 8) fail("expected hexadecimal digits");
        std::uint64_t n = 0;
        for (char c : digits) {
            int d = -1;
            if (c >= '0' && c <= '9') d = c - '0';
            if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
            if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
            if (d < 0) fail("expected hexadecimal digits");
            n = n * 16 + static_cast<std::uint64_t>(d);
        }
        return n;
    }

    const Json& value_;
    std::string path_;
};

template <typename Enum, std::size_t N>
Enum named(const Node& node, const std::array<std::pair<std::string_view, Enum>, N>& names) {
    const std::string s = node.text();
    std::string choices;
    for (const auto& [name, value] : names) {
        if (name == s) return value;
        choices += (choices.empty() ? "" : ", ") + std::string(name);
    }
    node.fail("expected one of " + choices);
}

constexpr std::array<std::pair<std::string_view, PointSide>, 3> kSides{
    {{"none", PointSide::None}, {"transmit", PointSide::Transmit}, {"receive", PointSide::Receive}}};
constexpr std::array<std::pair<std::string_view, BankKey>, 4> kBankKeys{{{"none", BankKey::None},
                                                                         {"function", BankKey::Function},
                                                                         {"level", BankKey::Level},
                                                                         {"spacing", BankKey::Spacing}}};
constexpr std::array<std::pair<std::string_view, CommitRule>, 3> kCommitRules{
    {{"value", CommitRule::Value}, {"keepsLive", CommitRule::KeepsLive}, {"measuresSlot", CommitRule::MeasuresSlot}}};

std::uint32_t largestOfWidth(std::uint32_t width) { return width >= 4 ? 0xFFFFFFFFu : (1u << (8 * width)) - 1; }

std::vector<std::uint32_t> slotValues(const Node& node, const SoftpotProfile& softpot) {
    const bool perPoint = softpot.side != PointSide::None;
    const std::size_t minimum = perPoint ? FrequencyPlan::kPoints : 1;
    const std::size_t maximum = perPoint ? FrequencyPlan::kPoints : 32;
    std::vector<std::uint32_t> values;
    for (const Node& item : node.items(minimum, maximum)) values.push_back(item.number(largestOfWidth(softpot.width)));
    return values;
}

RadioIdentity readIdentity(const Node& node) {
    node.expectObject({"modelNumber", "serialNumber", "icVersion", "powerUpStatus"});
    RadioIdentity identity;
    identity.modelNumber = node.at("modelNumber").text(RadioIdentity::kModelLength);
    identity.serialNumber = node.at("serialNumber").text(RadioIdentity::kSerialLength);
    const auto ic = node.at("icVersion").bytes(4, 4);
    std::copy(ic.begin(), ic.end(), identity.icVersion.begin());
    if (node.has("powerUpStatus")) identity.powerUpStatus = node.child("powerUpStatus").byte();
    return identity;
}

template <std::size_t N>
void readPoints(const Node& node, std::array<std::uint16_t, N>& points) {
    const auto items = node.items(N, N);
    for (std::size_t i = 0; i < N; ++i) points[i] = static_cast<std::uint16_t>(items[i].number(0xFFFF));
}

FrequencyPlan readPlan(const Node& node) {
    node.expectObject(
        {"bandBase", "channelSpacingMask", "transmit", "receive", "dac", "tuningProcedureVersion", "batteryTarget"});
    FrequencyPlan plan;
    plan.bandBase = static_cast<std::uint16_t>(node.at("bandBase").number(0xFFFF));
    plan.channelSpacingMask = node.at("channelSpacingMask").byte();
    readPoints(node.at("transmit"), plan.transmit);
    readPoints(node.at("receive"), plan.receive);
    if (node.has("dac")) {
        const auto dac = node.child("dac").bytes(2, 2);
        plan.dac = {dac[0], dac[1]};
    }
    plan.tuningProcedureVersion = node.at("tuningProcedureVersion").byte();
    if (node.has("batteryTarget")) plan.batteryTarget = node.child("batteryTarget").byte();
    return plan;
}

void readBanks(const Node& node, const SoftpotProfile& softpot, std::map<int, std::vector<std::uint32_t>>& banks) {
    node.expectMap();
    for (const auto& item : node.json().items()) {
        if (item.key() == "comment") continue;
        const Node bank = node.child(item.key());
        int key = SoftpotProfile::kDefaultBank;
        if (item.key() != "default") {
            const Json asNumber = Json::parse(item.key(), nullptr, false);
            if (!asNumber.is_number_unsigned() || asNumber.get<std::uint64_t>() > 0xFF) {
                bank.fail("a bank is named \"default\" or by a test-mode byte 0 to 255");
            }
            key = static_cast<int>(asNumber.get<std::uint64_t>());
        }
        // A null bank: the radio lacks the softpot in that test mode (rather than falling back).
        banks[key] = bank.isNull() && key != SoftpotProfile::kDefaultBank ? std::vector<std::uint32_t>{}
                                                                          : slotValues(bank, softpot);
    }
    if (banks.empty()) node.fail("expected at least one bank");
}

SoftpotProfile readSoftpot(const Node& node) {
    node.expectObject({"number", "name", "width", "side", "bankBy", "values", "banks", "allPointsRead",
                       "allPointsWrite", "autoTune", "autoTuneKeyed", "commitLimit", "commit", "autoTuneWidth"});
    SoftpotProfile softpot;
    softpot.number = node.at("number").byte();
    if (node.has("name")) softpot.name = node.child("name").text();
    if (node.has("width")) {
        softpot.width = node.child("width").number(4);
        if (softpot.width == 0) node.child("width").fail("expected a width of 1 to 4 bytes");
    }
    if (node.has("side")) softpot.side = named(node.child("side"), kSides);
    if (node.has("bankBy")) softpot.bankBy = named(node.child("bankBy"), kBankKeys);
    if (node.has("values") == node.has("banks")) node.fail("give either 'values' or 'banks'");
    if (node.has("values")) {
        softpot.banks[SoftpotProfile::kDefaultBank] = slotValues(node.child("values"), softpot);
    } else {
        if (softpot.bankBy == BankKey::None) node.fail("'banks' needs 'bankBy'");
        readBanks(node.child("banks"), softpot, softpot.banks);
    }
    if (node.has("allPointsRead")) softpot.allPointsRead = node.child("allPointsRead").boolean();
    if (node.has("allPointsWrite")) softpot.allPointsWrite = node.child("allPointsWrite").boolean();
    // One list for every bank, or banks of their own as "banks" names them.
    if (node.has("autoTune")) {
        const Node tuned = node.child("autoTune");
        if (tuned.json().is_object()) {
            readBanks(tuned, softpot, softpot.autoTune);
        } else {
            softpot.autoTune[SoftpotProfile::kDefaultBank] = slotValues(tuned, softpot);
        }
    }
    if (node.has("autoTuneKeyed")) softpot.autoTuneKeyed = node.child("autoTuneKeyed").boolean();
    if (node.has("commitLimit")) softpot.commitLimit = node.child("commitLimit").byte();
    if (node.has("autoTuneWidth")) {
        softpot.autoTuneWidth = node.child("autoTuneWidth").number(4);
        if (*softpot.autoTuneWidth == 0) node.child("autoTuneWidth").fail("expected a width of 1 to 4 bytes");
    }
    if (node.has("commit")) softpot.commit = named(node.child("commit"), kCommitRules);
    if (softpot.commit == CommitRule::MeasuresSlot && softpot.autoTune.empty()) {
        node.fail("a softpot that measures its slots needs 'autoTune'");
    }
    return softpot;
}

std::vector<SoftpotProfile> readSoftpots(const Node& node) {
    std::vector<SoftpotProfile> softpots;
    std::set<std::uint8_t> seen;
    for (const Node& item : node.items()) {
        softpots.push_back(readSoftpot(item));
        if (!seen.insert(softpots.back().number).second) item.fail("softpot number listed twice");
    }
    return softpots;
}

std::map<std::uint8_t, std::vector<std::uint8_t>> readCalibration(const Node& node) {
    node.expectMap();
    std::map<std::uint8_t, std::vector<std::uint8_t>> calibration;
    for (const auto& item : node.json().items()) {
        if (item.key() == "comment") continue;
        const Node bytes = node.child(item.key());
        const Json number = Json::parse(item.key(), nullptr, false);
        if (!number.is_number_unsigned() || number.get<std::uint64_t>() > 0xFF) {
            bytes.fail("calibration bytes are named by a softpot number 0 to 255");
        }
        calibration[static_cast<std::uint8_t>(number.get<std::uint64_t>())] = bytes.bytes(1, 8);
    }
    return calibration;
}

std::optional<BasebandOffsets> readBasebandOffsets(const Node& node) {
    if (node.isNull()) return std::nullopt;
    BasebandOffsets offsets{};
    const auto rows = node.items(3, 3);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto row = rows[r].bytes(kBasebandSelectors.size(), kBasebandSelectors.size());
        std::copy(row.begin(), row.end(), offsets[r].begin());
    }
    return offsets;
}

MemoryProfile readMemory(const Node& node) {
    node.expectObject({"size", "fill", "contents"});
    MemoryProfile memory;
    constexpr std::uint32_t kAddressSpace = 0x1000000;  // three address bytes
    memory.size = node.at("size").number(kAddressSpace);
    if (node.has("fill")) memory.fill = node.child("fill").byte();
    if (!node.has("contents")) return memory;
    for (const Node& item : node.child("contents").items()) {
        item.expectObject({"address", "hex"});
        MemoryPatch patch{item.at("address").number(kAddressSpace), item.at("hex").hexBytes()};
        if (patch.address + patch.bytes.size() > memory.size) item.fail("lies beyond the memory size");
        memory.contents.push_back(std::move(patch));
    }
    return memory;
}

FaultRule readFault(const Node& node) {
    node.expectObject({"kind", "opcode", "softpot", "count", "delayMs", "gapMs", "cutBytes"});
    FaultRule rule;
    const Node kind = node.at("kind");
    const auto found = faultNamed(kind.text());
    if (!found) kind.fail("unknown fault kind");
    rule.kind = *found;
    if (node.has("opcode")) rule.match.opcode = node.child("opcode").byte();
    if (node.has("softpot")) rule.match.softpot = node.child("softpot").byte();
    if (node.has("count")) {
        const Node count = node.child("count");
        rule.count = count.json() == "forever" ? FaultRule::kForever : count.number(FaultRule::kForever - 1);
    }
    constexpr std::uint32_t kMinute = 60000;
    if (node.has("delayMs")) rule.delayMs = node.child("delayMs").number(kMinute);
    if (node.has("gapMs")) rule.gapMs = node.child("gapMs").number(kMinute);
    if (node.has("cutBytes")) rule.cutBytes = node.child("cutBytes").number(0xFFFF);
    return rule;
}

MeasuredOutput readMeasuredOutput(const Node& node) {
    node.expectObject({"softpot", "milliwattsPerStep"});
    MeasuredOutput output;
    output.softpot = node.at("softpot").byte();
    constexpr std::uint32_t kMaximumGain = 100000;
    for (const Node& gain : node.at("milliwattsPerStep").items(FrequencyPlan::kPoints, FrequencyPlan::kPoints)) {
        output.milliwattsPerStep.push_back(gain.number(kMaximumGain));
    }
    return output;
}

RadioProfile readProfile(const Node& root) {
    root.expectObject({"name", "identity", "frequencyPlan", "allPointsRead", "allPointsWrite", "softpots",
                       "calibration", "basebandOffsets", "memory", "unsupportedRequests", "faults", "measuredOutput"});
    RadioProfile profile;
    if (root.has("name")) profile.name = root.child("name").text();
    profile.identity = readIdentity(root.at("identity"));
    profile.plan = readPlan(root.at("frequencyPlan"));
    if (root.has("allPointsRead")) profile.allPointsRead = root.child("allPointsRead").boolean();
    if (root.has("allPointsWrite")) profile.allPointsWrite = root.child("allPointsWrite").boolean();
    profile.softpots = readSoftpots(root.at("softpots"));
    if (root.has("calibration")) profile.calibration = readCalibration(root.child("calibration"));
    if (root.has("basebandOffsets")) profile.basebandOffsets = readBasebandOffsets(root.child("basebandOffsets"));
    if (root.has("memory")) profile.memory = readMemory(root.child("memory"));
    if (root.has("unsupportedRequests")) {
        for (const Node& item : root.child("unsupportedRequests").items())
            profile.unsupportedRequests.insert(item.byte());
    }
    if (root.has("faults")) {
        for (const Node& item : root.child("faults").items()) profile.faults.push_back(readFault(item));
    }
    if (root.has("measuredOutput")) profile.measuredOutput = readMeasuredOutput(root.child("measuredOutput"));
    return profile;
}

Json parsed(std::string_view text) {
    try {
        return Json::parse(text.begin(), text.end());
    } catch (const Json::exception& e) {
        throw ProfileError(std::string("not valid JSON: ") + e.what());
    }
}

RadioProfile profileFrom(const Json& root) {
    if (root.is_object() && root.contains("basedOn")) {
        throw ProfileError("profile.basedOn: only a profile file can be based on another");
    }
    try {
        return readProfile(Node(root, "profile"));
    } catch (const Json::exception& e) {
        // Only reachable through a shape the checks above missed; still a bad profile, not a crash.
        throw ProfileError(std::string("unusable profile: ") + e.what());
    }
}

// A profile file's JSON with its "basedOn" chain resolved: the named profile (relative to this
// file) is read first, and every item of this file replaces the item of the same name.
Json resolvedFile(const std::filesystem::path& file, int depth) {
    constexpr int kDeepestChain = 8;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        throw ProfileError(file.string() + ": no readable radio profile there");
    }
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    if (!in) throw ProfileError(file.string() + ": cannot read the radio profile");
    Json root;
    try {
        root = parsed(content.str());
    } catch (const ProfileError& e) {
        throw ProfileError(file.string() + ": " + e.what());
    }
    if (!root.is_object() || !root.contains("basedOn")) return root;
    const Json& base = root["basedOn"];
    if (!base.is_string()) throw ProfileError(file.string() + ": profile.basedOn: expected a file name");
    if (depth >= kDeepestChain) throw ProfileError(file.string() + ": profile.basedOn: chain of profiles too long");
    Json merged = resolvedFile(file.parent_path() / base.get<std::string>(), depth + 1);
    if (!merged.is_object()) throw ProfileError(file.string() + ": profile.basedOn: the base is no profile");
    for (const auto& item : root.items()) {
        if (item.key() != "basedOn") merged[item.key()] = item.value();
    }
    return merged;
}

}  // namespace

RadioProfile parseRadioProfile(std::string_view text) { return profileFrom(parsed(text)); }

RadioProfile loadRadioProfile(const std::filesystem::path& file) {
    const Json root = resolvedFile(file, 0);
    try {
        return profileFrom(root);
    } catch (const ProfileError& e) {
        throw ProfileError(file.string() + ": " + e.what());
    }
}

}  // namespace vantrel::sim
