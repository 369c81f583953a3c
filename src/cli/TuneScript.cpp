#include "cli/TuneScript.h"

#include "model/radioStorage.h"
#include "tuning/KMPowerTuneSession.h"
#include "tuning/ReceiveSessions.h"
#include "tuning/TunerBoxRule.h"
#include "tuning/TuningFamily.h"
#include "tuning/TuningSession.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <map>
#include <set>
#include <stdexcept>

namespace vantrel::cli {

using json = nlohmann::json;

namespace {

// A request that is not taken; its text is the answer's error.
class RequestError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The fields each verb takes besides "verb". Built on first use, where an exception in building it
// can still be caught.
const std::map<std::string, std::set<std::string>, std::less<>>& verbFields() {
    static const std::map<std::string, std::set<std::string>, std::less<>> verbs{
        {"open", {"screen", "kind", "readNewRadio"}},
        {"select", {"point", "readNewRadio"}},
        {"key", {}},
        {"dekey", {}},
        {"set", {"point", "value", "readNewRadio"}},
        {"auto-tune", {"point", "confirm", "readNewRadio"}},
        {"measure", {"point", "readNewRadio"}},
        {"power", {"point", "column", "watts", "readNewRadio"}},
        {"update", {"threshold", "readNewRadio"}},
        {"commit", {"confirm", "readNewRadio"}},
        {"read", {}},
        {"close", {}},
    };
    return verbs;
}

constexpr int kFirstProcedure = 1;
constexpr int kSecondProcedure = 2;

std::string inQuotes(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

// One request line, checked field by field before anything is done with it.
class TuneScript::Request {
public:
    explicit Request(const std::string& line) {
        object_ = json::parse(line, nullptr, false);
        if (object_.is_discarded() || !object_.is_object()) throw RequestError("malformed request: not a JSON object");
        if (!object_.contains("verb") || !object_["verb"].is_string()) {
            throw RequestError("malformed request: \"verb\" must be a text");
        }
        verb_ = object_["verb"].get<std::string>();
        const auto known = verbFields().find(verb_);
        if (known == verbFields().end()) throw RequestError("unknown verb " + inQuotes(verb_));
        for (const auto& [field, value] : object_.items()) {
            if (field != "verb" && !known->second.contains(field)) {
                throw RequestError("unknown field " + inQuotes(field) + " for " + verb_);
            }
        }
        confirm_ = flag("confirm");
        readNewRadio_ = flag("readNewRadio");
    }

    const std::string& verb() const { return verb_; }
    bool confirm() const { return confirm_; }
    bool readNewRadio() const { return readNewRadio_; }
    bool has(const char* field) const { return object_.contains(field); }

    std::string text(const char* field) const {
        if (!object_.at(field).is_string()) throw RequestError(inQuotes(field) + " must be a text");
        return object_.at(field).get<std::string>();
    }
    // A whole number of at least 0; anything else (a fraction, a text, a negative) is refused.
    std::uint32_t count(const char* field) const {
        const json& value = object_.at(field);
        if (!value.is_number_unsigned() || value.get<std::uint64_t>() > 0xFFFFFFFFu) {
            throw RequestError(inQuotes(field) + " must be a whole number from 0 up, not " + value.dump());
        }
        return value.get<std::uint32_t>();
    }

private:
    bool flag(const char* field) const {
        if (!object_.contains(field)) return false;
        if (!object_[field].is_boolean()) throw RequestError(inQuotes(field) + " must be true or false");
        return object_[field].get<bool>();
    }

    json object_;
    std::string verb_;
    bool confirm_ = false;
    bool readNewRadio_ = false;
};

TuneScript::TuneScript(radioStorage& storage, std::function<void()> readNewRadio)
    : storage_(storage), readNewRadio_(std::move(readNewRadio)) {}

TuneScript::~TuneScript() = default;

std::string TuneScript::handle(const std::string& line) {
    ui_.beginRequest(false, false);
    readings_.clear();
    try {
        const Request request(line);
        return run(request);
    } catch (const RequestError& e) {
        json error{{"ok", false}, {"error", e.what()}};
        return error.dump(-1, ' ', false, json::error_handler_t::replace);
    }
}

std::string TuneScript::run(const Request& request) {
    const std::string& verb = request.verb();
    if (verb != "open" && verb != "read" && session_ == nullptr) throw RequestError(verb + " needs an open screen");
    ui_.beginRequest(request.confirm(), request.readNewRadio());
    if (verb == "open") open(request);
    if (verb == "select") select(request);
    if (verb == "key" || verb == "dekey") key(verb == "key");
    if (verb == "set") set(request);
    if (verb == "commit") commit();
    if (verb == "auto-tune") autoTune(request);
    if (verb == "measure") measure(request);
    if (verb == "power") power(request);
    if (verb == "update") update(request);
    if (verb == "close") close();
    return answer(ui_.refusal());
}

void TuneScript::open(const Request& request) {
    if (session_ != nullptr) throw RequestError("a screen is already open: " + std::string(session_->family().caption));
    const TuningFamily* family = nullptr;
    if (request.has("screen") == request.has("kind")) throw RequestError("open takes either \"screen\" or \"kind\"");
    if (request.has("screen")) {
        const std::string caption = request.text("screen");
        family = tuningFamilyOfCaption(caption);
        if (family == nullptr) throw RequestError("no screen " + inQuotes(caption));
    } else {
        const std::uint32_t kind = request.count("kind");
        family = kind > 1000 ? nullptr : tuningFamilyOfKind(static_cast<int>(kind));
        if (family == nullptr) throw RequestError("no screen of kind " + std::to_string(kind));
    }
    const std::int32_t version = storage_.tuningProcedureVersion();
    if (version != kFirstProcedure && version != kSecondProcedure) {
        throw RequestError("the radio's tuning procedure version " + std::to_string(version) + " allows no tuning");
    }
    TuningContext context{storage_, operations_, openScreenKind_, ui_, readNewRadio_};
    session_ = family->session(*family, context);
    session_->open();
    if (openScreenKind_ == 0) {
        // As the window commands do with a screen whose opening exchange failed: it goes at once.
        session_->close();
        session_.reset();
        if (!ui_.refusal()) throw RequestError(std::string(family->caption) + " could not be opened");
        return;
    }
    session_->setupDisplay();
}

TuningSession& TuneScript::screen() const { return *session_; }

int TuneScript::rowOf(const Request& request) const {
    if (!request.has("point")) return screen().selectedRow();
    const std::uint32_t point = request.count("point");
    const auto& rows = screen().rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].point == static_cast<int>(point)) return static_cast<int>(i);
    }
    // Rows of points the radio does not use carry no point number; a per-point screen has a
    // row for every point all the same.
    if (rows.size() == 7 && point >= 1 && point <= 7) return static_cast<int>(point) - 1;
    throw RequestError("point " + std::to_string(point) + " is not on the " + std::string(screen().family().caption) +
                       " screen");
}

int TuneScript::usableRow(const Request& request) const {
    const int row = rowOf(request);
    if (!screen().rows().at(static_cast<std::size_t>(row)).inUse) {
        throw RequestError("the radio does not use the point of row " + std::to_string(row + 1) + " of this screen");
    }
    return row;
}

void TuneScript::select(const Request& request) {
    const int row = usableRow(request);
    // Touching a row without moving its value, as a click on its up-down that changes nothing.
    screen().upDownEnd(row, screen().rows().at(static_cast<std::size_t>(row)).working);
}

void TuneScript::key(bool up) {
    if (!screen().transmits()) throw RequestError(std::string(screen().family().caption) + " has no PTT Toggle");
    if (screen().keyed() != up) screen().toggleKey();
}

void TuneScript::set(const Request& request) {
    if (!request.has("value")) throw RequestError("set needs a \"value\"");
    const int row = usableRow(request);
    const std::uint32_t value = request.count("value");
    const TunerBoxRule box(screen().minimum(), screen().maximum());
    if (const auto refusal = box.enterRefusal(value)) throw RequestError(*refusal);
    screen().boxEntered(row, value);
}

void TuneScript::commit() { screen().program(screen().boxTexts()); }

// The K and M screen's power boxes: the box takes the focus (choosing the point while dekeyed,
// the DAC value while keyed) and, with "watts", the reading typed into it.
void TuneScript::power(const Request& request) {
    auto* km = dynamic_cast<KMPowerTuneSession*>(session_.get());
    if (km == nullptr) throw RequestError(std::string(screen().family().caption) + " has no power boxes");
    const std::uint32_t column = request.has("column") ? request.count("column") : 1;
    if (column != 1 && column != 2) throw RequestError("\"column\" must be 1 (Power 1) or 2 (Power 2)");
    const int point = screen().rows().at(static_cast<std::size_t>(usableRow(request))).point;
    const KMPowerTuneSession::PowerBox box{
        point, column == 1 ? KMPowerTuneSession::PowerColumn::Power1 : KMPowerTuneSession::PowerColumn::Power2};
    km->focusBox(box);
    if (request.has("watts")) km->typePower(box, request.text("watts"));
}

void TuneScript::autoTune(const Request& request) {
    auto* tuner = dynamic_cast<TuningAutoTune*>(session_.get());
    if (tuner == nullptr) throw RequestError(std::string(screen().family().caption) + " offers no auto-tune");
    tuner->autoTune(rowOf(request));
}

void TuneScript::measure(const Request& request) {
    auto* meter = dynamic_cast<TuningMeasure*>(session_.get());
    if (meter == nullptr) throw RequestError(std::string(screen().family().caption) + " offers no measure");
    readings_ = meter->measure(rowOf(request));
}

// The RSSI screen's Update button of one threshold; the answer's readings are the thresholds
// the radio then reports.
void TuneScript::update(const Request& request) {
    auto* rssi = dynamic_cast<RssiSession*>(session_.get());
    if (rssi == nullptr) throw RequestError(std::string(screen().family().caption) + " has no Update buttons");
    if (!request.has("threshold")) throw RequestError("update needs a \"threshold\"");
    const std::uint32_t threshold = request.count("threshold");
    if (threshold < 1 || threshold > rssi->thresholds().size()) {
        throw RequestError("threshold " + std::to_string(threshold) + " is not on the " +
                           std::string(screen().family().caption) + " screen");
    }
    rssi->update(static_cast<int>(threshold));
    for (std::size_t i = 0; i < rssi->thresholds().size(); ++i) {
        const std::string& text = rssi->thresholds()[i].softpot;
        long long value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        readings_.push_back({"threshold" + std::to_string(i + 1), value});
    }
}

void TuneScript::close() {
    session_->close();
    session_.reset();
}

std::optional<std::string> TuneScript::finish() {
    if (session_ == nullptr) return std::nullopt;
    ui_.beginRequest(false, false);
    readings_.clear();
    close();
    return answer(ui_.refusal());
}

namespace {

json messagesOf(const std::vector<ScriptMessage>& shown) {
    json list = json::array();
    for (const ScriptMessage& m : shown) {
        json item{{"text", m.text}, {"caption", m.caption}};
        if (m.confirmed) item["confirmed"] = *m.confirmed;
        list.push_back(std::move(item));
    }
    return list;
}

// A default value field shows the stored value, or nothing for a point not in use.
json storedOf(const TuningRow& row) {
    if (row.defaultText.empty()) return nullptr;
    return static_cast<long long>(TunerBoxRule::convert(row.defaultText));
}

json pointsOf(const TuningSession& session) {
    json points = json::array();
    for (std::size_t i = 0; i < session.rows().size(); ++i) {
        const TuningRow& row = session.rows()[i];
        json point{{"point", row.point}, {"inUse", row.inUse}, {"stored", storedOf(row)}};
        point["frequency"] = row.inUse ? json(row.frequencyMHz) : json(nullptr);
        point["working"] = row.inUse ? json(row.working) : json(nullptr);
        points.push_back(std::move(point));
    }
    return points;
}

}  // namespace

std::string TuneScript::answer(const std::optional<std::string>& refusal) const {
    json result{{"ok", !refusal.has_value()}};
    if (refusal) result["error"] = *refusal;
    if (session_ != nullptr) {
        const TuningSession& s = *session_;
        const auto& rows = s.rows();
        const auto selected = static_cast<std::size_t>(s.selectedRow());
        result["screen"] = std::string(s.family().caption);
        result["kind"] = s.family().kind;
        result["status"] = s.statusText();
        result["keyed"] = s.keyed();
        result["selected"] = selected < rows.size() ? rows[selected].point : 0;
        result["minimum"] = s.minimum();
        result["maximum"] = s.maximum();
        result["rangeNote"] = s.rangeNote();
        result["points"] = pointsOf(s);
        // What Program would take: the working values, or the K and M screen's fourteen power
        // boxes (Power 1 and Power 2 of F1, then of F2, ...).
        result["boxes"] = s.boxTexts();
    }
    result["messages"] = messagesOf(ui_.messages());
    if (!readings_.empty()) {
        json readings = json::object();
        for (const TuningReading& r : readings_) readings[r.name] = r.value;
        result["readings"] = std::move(readings);
    }
    return result.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace vantrel::cli
