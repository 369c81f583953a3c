#pragma once

#include "operations/MessageInteraction.h"
#include "tuning/TuningFamily.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class EnhancedZIRK;
class TuningCommitJournal;
class cominit;
class radioOperations;
class radioStorage;
namespace messages {
struct Message;
}

// What a session works on and whom it asks.
struct TuningContext {
    radioStorage& storage;
    radioOperations& operations;
    int& openScreenKind;
    MessageInteraction& ui;
    // Reads the radio now on the line into the storage (the mismatch question's OK); the
    // desktop runs its Read Radio command, the command line its own read.
    std::function<void()> readNewRadio;
};

// How a slider moved.
enum class SliderStep { Line, Page, ThumbTrack };

// One value row of a screen.
struct TuningRow {
    int point = 0;               // F1..F7 the row is tuned at; 0 when its side has no used point
    std::uint16_t transmit = 0;  // the channel selected for the row
    std::uint16_t receive = 0;
    bool inUse = false;  // the controls are enabled and the value is committed
    double frequencyMHz = 0;
    std::string frequencyText;  // "%f" of the frequency, or "UNSUPPORTED"
    std::string defaultText;    // what the default value field shows
    std::uint32_t working = 0;  // what the controls show and what goes live
    std::uint32_t lastApplied = 0;
    bool pointPrepared = false;  // serial confirmed and point selected within this connection
};

// The behaviour of one open tuning screen, without widgets: the connection held for one action
// (or for one slider drag), the serial-number check and the mismatch question, the point
// preparation, keying, the live values, the commit with validation and storage, and the closing
// exchange. Views and the command line turn their events into these calls and show the state
// afterwards.
//
// The pattern below is that of a single-value transmit screen; a family that differs overrides
// the hooks under "protected" and names its class in its family row.
class TuningSession {
public:
    TuningSession(const TuningFamily& family, const TuningContext& context);
    virtual ~TuningSession();
    TuningSession(const TuningSession&) = delete;
    TuningSession& operator=(const TuningSession&) = delete;

    // Lays the rows out from the storage again, by the family's own rules.
    void layOutAgain() { rows_ = layOutRows(); }
    // Writes the screen's kind and prepares the radio; on any failure the kind is back at 0
    // and the screen is to be closed at once.
    void open();
    // Shows the stored values: what the screen does when its window is created, and again when
    // a mismatch question led to a new radio being read.
    virtual void setupDisplay();

    void sliderStep(int row, std::uint32_t position, SliderStep step);
    void sliderEnd(int row);
    void upDownEnd(int row, std::uint32_t position);
    // Enter in a working value box; `position` is what the up-down follows from its buddy.
    void boxEntered(int row, std::uint32_t position);
    void toggleKey();
    // Program, with the text of each row's working value box.
    virtual void program(const std::vector<std::string>& boxTexts);
    // The screen goes: the kind is cleared and the radio dekeyed and reset.
    void close();

    const TuningFamily& family() const { return family_; }
    const std::vector<TuningRow>& rows() const { return rows_; }
    const std::string& statusText() const { return statusText_; }
    bool keyed() const { return keyed_; }
    bool setupDone() const { return setupDone_; }
    bool connectionHeld() const { return connection_ != nullptr; }
    // Grows by one with every display setup, so a view knows to reset its controls.
    int displayGeneration() const { return displayGeneration_; }
    std::uint32_t minimum() const { return minimum_; }
    std::uint32_t maximum() const { return maximum_; }
    bool transmits() const { return family_.keying == Keying::PttToggle; }
    // The row the technician last touched; where keying and a front end's default point go.
    int selectedRow() const { return selectedRow_; }
    virtual std::string rangeNote() const;
    // The working value box text after a display setup.
    virtual std::string workingText(int row) const;
    // The texts the screen's boxes show, in the order Program takes them.
    virtual std::vector<std::string> boxTexts() const;

protected:
    // The rows of the screen from the storage (stored values, channels, frequencies).
    virtual std::vector<TuningRow> layOutRows();
    // Opening: the family's test mode, then the screen's point.
    virtual void prepareRadio(EnhancedZIRK& conn);
    // A row was touched, before the framework's checks (per-point screens select it here).
    virtual void touchRow(int row, EnhancedZIRK& conn);
    // The point preparation of a value change: select the row's point while dekeyed.
    virtual void preparePoint(int row, EnhancedZIRK& conn);
    // A changed value reaches the radio: live while keyed, never when dekeyed.
    virtual void applyValue(int row, EnhancedZIRK& conn);
    // What key-up sends live once the transmitter is on.
    virtual void applyKeyedValue(EnhancedZIRK& conn);
    virtual double keyedFrequency() const;
    // Sent after the serial check and before the commit question.
    virtual void beforeCommitPrompt(EnhancedZIRK& conn);
    virtual std::string commitPrompt() const;
    // The commit after the question was answered OK and the radio dekeyed.
    virtual void commitRows(const std::vector<std::string>& boxTexts, EnhancedZIRK& conn);
    // One row of the commit; false ends the commit.
    virtual bool commitRow(int row, std::string_view boxText, EnhancedZIRK& conn);
    virtual void closeRadio(EnhancedZIRK& conn);
    // The end of a display setup: what a screen shows beside its rows.
    virtual void completeDisplay() {}
    // Another radio is on the line: the connection is released and the technician asked
    // whether to read it.
    virtual void handleMismatch();
    // A request of a user action failed.
    virtual void reportFailure();

    // The seven rows of a screen tuned at every frequency point, F1..F7: row n is in use when
    // its own half (transmit or receive) is, at the channel of its own value and the partner
    // value of the other half.
    std::vector<TuningRow> perPointRows(bool receiveSide) const;
    // What the commit reads of a row's box: at most the characters the box holds.
    static std::string_view committedText(const std::vector<std::string>& boxTexts, std::size_t row);
    // The commit's refusals of one value: above the maximum, or an empty box. Says why.
    bool commitValueAccepted(std::string_view text, std::uint32_t value) const {
        return commitValueAccepted(text, value, maximum_);
    }
    bool commitValueAccepted(std::string_view text, std::uint32_t value, std::uint32_t maximum) const;

    // Helpers for the hooks.
    TuningRow& row(int index) { return rows_.at(static_cast<std::size_t>(index)); }
    const TuningContext& context() const { return context_; }
    radioStorage& storage() { return context_.storage; }
    TuningData& data() { return *data_; }
    void setStatus(std::string text) { statusText_ = std::move(text); }
    void setMaximum(std::uint32_t maximum) { maximum_ = maximum; }
    void setMinimum(std::uint32_t minimum) { minimum_ = minimum; }
    void setKeyed(bool keyed) { keyed_ = keyed; }
    void setSelectedRow(int row) { selectedRow_ = row; }
    // Selects a row's channel, when the row is in use.
    void selectRowPoint(int row, EnhancedZIRK& conn);
    void dekey(EnhancedZIRK& conn);
    // The row's stored value, and where a commit stores it.
    virtual std::int32_t storedValue(int row) const;
    virtual void storeValue(int row, std::uint32_t value);
    // Checks the serial number; on a mismatch asks the question (the connection is released
    // first) and returns false.
    bool serialConfirmed(EnhancedZIRK& conn);
    void show(const messages::Message& message, MessageIcon icon) const;
    // What a commit did to a row, for the service log; a family that commits rows in its own
    // way notes them too.
    void noteCommitted(int row, std::uint32_t value);
    // A refusal belongs to the row the commit had reached: the first row in use it has not sent.
    void noteRefused(std::optional<std::uint32_t> value, std::string_view reason) const;
    // Runs a commit that a family makes in its own way, and writes what it noted (or the failure
    // it threw, which is then thrown on) to the service log before anything is shown.
    void journalled(const std::vector<std::string>& boxTexts, const std::function<void()>& commit);
    MessageAnswer ask(std::string_view text, std::string_view caption, MessageButtons buttons) const;
    // Runs one user action on a connection: a failure is reported and ends it; the connection
    // is released afterwards unless the action holds it for a drag. Actions a family adds (Auto
    // Tune, toggles, updates) run through here too.
    void act(const std::function<void(EnhancedZIRK&)>& work);

private:
    EnhancedZIRK* obtainConnection();
    void releaseConnection();
    void valueChanged(int row, std::uint32_t value);
    std::vector<std::int32_t> storedValues() const;
    void commitJournalled(const std::vector<std::string>& boxTexts, EnhancedZIRK& conn);

    const TuningFamily& family_;
    TuningContext context_;
    std::unique_ptr<TuningData> data_;
    std::vector<TuningRow> rows_;

    std::unique_ptr<cominit> connection_;
    bool connectionOpened_ = false;
    bool releasePending_ = false;
    bool holdConnection_ = false;

    bool keyed_ = false;
    bool setupDone_ = false;
    int selectedRow_ = 0;
    int displayGeneration_ = 0;
    std::uint32_t minimum_ = 0;
    std::uint32_t maximum_ = 0;
    std::string statusText_;
    TuningCommitJournal* journal_ = nullptr;
};

// The maker a family row names for its session class.
template <typename Session>
std::unique_ptr<TuningSession> makeSession(const TuningFamily& family, const TuningContext& context) {
    auto session = std::make_unique<Session>(family, context);
    // The base constructor could only lay out the rows of the single-value pattern; a view
    // builds its controls from the family's own rows before the opening exchange.
    session->layOutAgain();
    return session;
}

// The session of the screen a kind names; nullptr when there is none.
std::unique_ptr<TuningSession> makeTuningSession(int kind, const TuningContext& context);

}  // namespace vantrel
