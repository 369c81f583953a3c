#pragma once

#include "cli/ScriptInteraction.h"
#include "operations/radioOperations.h"
#include "tuning/TuningScreenActions.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {
class TuningSession;
class radioStorage;
}  // namespace vantrel

namespace vantrel::cli {

// A tuning session driven by a script: one JSON request in, one JSON answer out, over the very
// session objects the desktop screens use. A request that cannot be taken as it stands (not
// JSON, an unknown verb or field, a value out of range, a second screen) is answered with an
// error and reaches neither the session nor the radio.
class TuneScript {
public:
    // `storage` holds the radio read or the archive loaded; `readNewRadio` reads the radio on
    // the line into it, when a script accepts the serial-number question.
    TuneScript(radioStorage& storage, std::function<void()> readNewRadio);
    ~TuneScript();
    TuneScript(const TuneScript&) = delete;
    TuneScript& operator=(const TuneScript&) = delete;

    // The answer to one request line, without its line end.
    std::string handle(const std::string& line);
    // The end of the session: the open screen closes as the desktop program closes it (dekey,
    // reset); its answer, or nothing when no screen was open.
    std::optional<std::string> finish();

    bool screenOpen() const { return session_ != nullptr; }

private:
    class Request;

    std::string run(const Request& request);
    void open(const Request& request);
    void select(const Request& request);
    void key(bool up);
    void set(const Request& request);
    void commit();
    void autoTune(const Request& request);
    void measure(const Request& request);
    void power(const Request& request);
    void update(const Request& request);
    void close();

    TuningSession& screen() const;
    int rowOf(const Request& request) const;
    int usableRow(const Request& request) const;
    std::string answer(const std::optional<std::string>& refusal) const;

    radioStorage& storage_;
    radioOperations operations_;
    int openScreenKind_ = 0;
    ScriptInteraction ui_;
    std::function<void()> readNewRadio_;
    std::unique_ptr<TuningSession> session_;
    std::vector<TuningReading> readings_;  // of the request being answered
};

}  // namespace vantrel::cli
