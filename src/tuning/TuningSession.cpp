#include "tuning/TuningSession.h"

#include "files/formatText.h"
#include "model/RF_Frequency.h"
#include "model/SoftpotReads.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "operations/radioOperations.h"
#include "protocol/cominit.h"
#include "tuning/TunerBoxRule.h"
#include "tuning/TuningCommitJournal.h"
#include "tuning/TuningMessages.h"

#include <exception>

namespace vantrel {

namespace {

bool tunedOnReceiveSide(PointRule rule) { return rule == PointRule::EachRx || rule == PointRule::MiddleRx; }

}  // namespace

TuningSession::TuningSession(const TuningFamily& family, const TuningContext& context)
    : family_(family), context_(context), data_(family.data()) {
    maximum_ = static_cast<std::uint32_t>(rangeHigh(family_.catalogue(), context_.storage.tuningProcedureVersion()));
    if (const auto& range = family_.catalogue().range) minimum_ = static_cast<std::uint32_t>(range->low);
    rows_ = layOutRows();
}

TuningSession::~TuningSession() = default;

std::vector<TuningRow> TuningSession::layOutRows() {
    const radioStorage& s = context_.storage;
    const SoftpotFamilyRow& catalogue = family_.catalogue();
    if (catalogue.points == PointRule::EachTx || catalogue.points == PointRule::EachRx) {
        return perPointRows(catalogue.points == PointRule::EachRx);
    }
    const bool receiveSide = tunedOnReceiveSide(catalogue.points);
    RF_Frequency plan;
    TuningRow row;
    row.point = tuningPoint(catalogue, s);
    const int partnerPoint = family_.receivePoint != 0 ? family_.receivePoint : row.point;
    const auto own = [&](int n) {
        return static_cast<std::uint16_t>(plan.partnerValue(s, receiveSide, !receiveSide, n));
    };
    const std::uint32_t ownValue = row.point == 0 ? 0 : own(row.point);
    const auto partner = static_cast<std::uint16_t>(plan.partnerValue(s, !receiveSide, receiveSide, partnerPoint));
    row.transmit = receiveSide ? partner : static_cast<std::uint16_t>(ownValue);
    row.receive = receiveSide ? static_cast<std::uint16_t>(ownValue) : partner;
    row.inUse = ownValue != 0 || family_.alwaysInUse;
    row.frequencyMHz =
        plan.frequencyMHz(static_cast<std::uint32_t>(s.value(identity::kPlanRow, identity::kBandBaseEntry)), ownValue);
    return {row};
}

// Seven rows, row n - 1 for point Fn, each in use when the family's own half of the point is.
std::vector<TuningRow> TuningSession::perPointRows(bool receiveSide) const {
    const radioStorage& s = context_.storage;
    const auto bandBase = static_cast<std::uint32_t>(s.value(identity::kPlanRow, identity::kBandBaseEntry));
    RF_Frequency plan;
    std::vector<TuningRow> rows(kPointCount);
    for (int n = 1; n <= kPointCount; ++n) {
        TuningRow& row = rows[static_cast<std::size_t>(n - 1)];
        const PointChannel channel = pointChannel(s, n, receiveSide);
        const std::uint16_t own = receiveSide ? channel.receive : channel.transmit;
        row.point = n;
        row.transmit = channel.transmit;
        row.receive = channel.receive;
        row.inUse = own != 0;
        row.frequencyMHz = plan.frequencyMHz(bandBase, own);
    }
    return rows;
}

std::int32_t TuningSession::storedValue(int row) const {
    const SoftpotFamilyRow& catalogue = family_.catalogue();
    return context_.storage.value(catalogue.row, catalogue.firstEntry + row);
}

void TuningSession::storeValue(int row, std::uint32_t value) {
    const SoftpotFamilyRow& catalogue = family_.catalogue();
    context_.storage.setValue(catalogue.row, catalogue.firstEntry + row, static_cast<std::int32_t>(value));
}

void TuningSession::open() {
    context_.openScreenKind = family_.kind;
    connectionOpened_ = releasePending_ = false;
    setupDone_ = false;
    if (obtainConnection() == nullptr) {
        context_.openScreenKind = 0;
        return;
    }
    try {
        serialConfirmed(*connection_);
        releaseConnection();
        // A new radio may have been read in answer to the mismatch question.
        rows_ = layOutRows();
        EnhancedZIRK* conn = obtainConnection();
        if (conn == nullptr) {
            context_.openScreenKind = 0;
            return;
        }
        prepareRadio(*conn);
    } catch (const std::exception&) {
        show(messages::kCommunicationError, MessageIcon::Exclamation);
        context_.openScreenKind = 0;
    }
    releaseConnection();
}

void TuningSession::prepareRadio(EnhancedZIRK& conn) {
    data_->prepare(context_.storage, conn);
    selectRowPoint(0, conn);
}

void TuningSession::setupDisplay() {
    rows_ = layOutRows();
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        TuningRow& r = row(i);
        const std::int32_t stored = storedValue(i);
        r.working = r.lastApplied = static_cast<std::uint32_t>(stored);
        r.defaultText = r.inUse ? formatText("%d", stored) : std::string();
        r.frequencyText = r.inUse ? formatText("%f", r.frequencyMHz) : std::string(messages::kUnsupportedPoint);
    }
    statusText_ = transmits() ? messages::kDekeyedStatus : messages::kNoPointSelectedStatus;
    completeDisplay();
    setupDone_ = true;
    ++displayGeneration_;
}

std::string TuningSession::workingText(int index) const {
    const TuningRow& r = rows_.at(static_cast<std::size_t>(index));
    return r.inUse ? formatText("%d", static_cast<int>(r.working)) : std::string();
}

std::vector<std::string> TuningSession::boxTexts() const {
    std::vector<std::string> texts;
    texts.reserve(rows_.size());
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) texts.push_back(workingText(i));
    return texts;
}

std::string TuningSession::rangeNote() const {
    return formatText("Note : Valid Softpot values will range from %d-%d", static_cast<int>(minimum_),
                      static_cast<int>(maximum_));
}

EnhancedZIRK* TuningSession::obtainConnection() {
    if (connection_ != nullptr) return connection_.get();
    try {
        connection_ = std::make_unique<cominit>();
        connectionOpened_ = true;
        return connection_.get();
    } catch (const std::exception&) {
        releasePending_ = false;
        show(messages::kTuningPortInUse, MessageIcon::Information);
        return nullptr;
    }
}

void TuningSession::releaseConnection() {
    connection_.reset();
    connectionOpened_ = releasePending_ = false;
    holdConnection_ = false;
    for (TuningRow& r : rows_) r.pointPrepared = false;
}

void TuningSession::act(const std::function<void(EnhancedZIRK&)>& work) {
    EnhancedZIRK* conn = obtainConnection();
    if (conn == nullptr) return;
    holdConnection_ = false;
    try {
        work(*conn);
    } catch (const std::exception&) {
        reportFailure();
        holdConnection_ = false;
    }
    if (!holdConnection_) releaseConnection();
}

void TuningSession::reportFailure() { show(messages::kCommunicationError, MessageIcon::Exclamation); }

bool TuningSession::serialConfirmed(EnhancedZIRK& conn) {
    if (context_.operations.serialMatches(context_.storage, conn)) return true;
    handleMismatch();
    return false;
}

void TuningSession::handleMismatch() {
    releaseConnection();
    const messages::Message& question =
        family_.capitalMismatch ? messages::kSerialMismatchCapitalQuestion : messages::kSerialMismatchQuestion;
    if (ask(question.text, question.caption, MessageButtons::OkCancel) != MessageAnswer::Ok) return;
    if (context_.readNewRadio) context_.readNewRadio();
    if (setupDone_) setupDisplay();
}

void TuningSession::sliderStep(int index, std::uint32_t position, SliderStep step) {
    act([&](EnhancedZIRK& conn) {
        row(index).working = position;
        touchRow(index, conn);
        if (!row(index).pointPrepared) {
            if (!serialConfirmed(conn)) return;
            preparePoint(index, conn);
            row(index).pointPrepared = true;
        }
        applyValue(index, conn);
        TuningRow& r = row(index);
        if (step != SliderStep::ThumbTrack) {
            r.lastApplied = position;
            return;
        }
        // A drag keeps its connection, so the port is opened and the serial number checked
        // once for all its steps; a step that changes nothing marks the drag as finished.
        holdConnection_ = true;
        if (position == r.lastApplied) {
            releasePending_ = true;
        } else {
            r.lastApplied = position;
        }
    });
}

// The end of a drag gives the port back. A drag whose last step moved the value leaves no
// mark that it finished, so the connection it holds is released here in any case rather than
// being left open until the next action.
void TuningSession::sliderEnd(int) {
    if (connection_ != nullptr) releaseConnection();
}

void TuningSession::upDownEnd(int index, std::uint32_t position) { valueChanged(index, position); }

void TuningSession::boxEntered(int index, std::uint32_t position) { valueChanged(index, position); }

void TuningSession::valueChanged(int index, std::uint32_t value) {
    act([&](EnhancedZIRK& conn) {
        row(index).working = value;
        touchRow(index, conn);
        if (!serialConfirmed(conn)) return;
        preparePoint(index, conn);
        applyValue(index, conn);
    });
}

void TuningSession::touchRow(int, EnhancedZIRK&) {}

void TuningSession::preparePoint(int index, EnhancedZIRK& conn) {
    if (transmits()) {
        if (!keyed_) selectRowPoint(index, conn);
        return;
    }
    selectRowPoint(index, conn);
    statusText_ = formatText(messages::kPointBeingTunedStatus, row(index).frequencyMHz);
}

void TuningSession::applyValue(int index, EnhancedZIRK& conn) {
    if (!transmits() || keyed_) data_->liveWrite(row(index).working, conn);
}

void TuningSession::selectRowPoint(int index, EnhancedZIRK& conn) {
    const TuningRow& r = row(index);
    if (r.inUse) data_->selectPoint(r.transmit, r.receive, conn);
}

void TuningSession::dekey(EnhancedZIRK& conn) {
    conn.dekey();
    statusText_ = messages::kDekeyedStatus;
    keyed_ = false;
}

void TuningSession::toggleKey() {
    act([&](EnhancedZIRK& conn) {
        if (keyed_) {
            dekey(conn);
            return;
        }
        conn.keyUp();
        statusText_ = formatText(messages::kKeyedUpStatus, keyedFrequency());
        keyed_ = true;
        applyKeyedValue(conn);
    });
}

void TuningSession::applyKeyedValue(EnhancedZIRK& conn) { data_->liveWrite(row(selectedRow_).working, conn); }

double TuningSession::keyedFrequency() const { return rows_.at(static_cast<std::size_t>(selectedRow_)).frequencyMHz; }

void TuningSession::beforeCommitPrompt(EnhancedZIRK&) {}

std::string TuningSession::commitPrompt() const { return std::string(family_.texts.prompt); }

void TuningSession::program(const std::vector<std::string>& boxTexts) {
    act([&](EnhancedZIRK& conn) {
        if (!serialConfirmed(conn)) return;
        beforeCommitPrompt(conn);
        if (ask(commitPrompt(), messages::kCommitCaption, MessageButtons::OkCancel) != MessageAnswer::Ok) return;
        if (keyed_) dekey(conn);
        commitJournalled(boxTexts, conn);
    });
}

// Every commit leaves its lines in the service log, written before the screen shows the
// outcome; a failed one too, before its failure is reported.
void TuningSession::commitJournalled(const std::vector<std::string>& boxTexts, EnhancedZIRK& conn) {
    journalled(boxTexts, [&] { commitRows(boxTexts, conn); });
}

void TuningSession::journalled(const std::vector<std::string>& boxTexts, const std::function<void()>& commit) {
    TuningCommitJournal journal(family_, context_.storage, storedValues(), boxTexts);
    journal_ = &journal;
    try {
        commit();
    } catch (...) {
        journal_ = nullptr;
        journal.write(rows_, storedValues(), messages::kCommunicationError.text);
        throw;
    }
    journal_ = nullptr;
    journal.write(rows_, storedValues(), std::nullopt);
}

std::vector<std::int32_t> TuningSession::storedValues() const {
    std::vector<std::int32_t> values;
    values.reserve(rows_.size());
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) values.push_back(storedValue(i));
    return values;
}

void TuningSession::noteCommitted(int row, std::uint32_t value) {
    if (journal_ != nullptr) journal_->committed(row, value);
}

void TuningSession::noteRefused(std::optional<std::uint32_t> value, std::string_view reason) const {
    if (journal_ != nullptr) journal_->refused(value, reason);
}

std::string_view TuningSession::committedText(const std::vector<std::string>& boxTexts, std::size_t index) {
    if (index >= boxTexts.size()) return {};
    return std::string_view(boxTexts[index]).substr(0, TunerBoxRule::kCommitReadLimit);
}

void TuningSession::commitRows(const std::vector<std::string>& boxTexts, EnhancedZIRK& conn) {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (!commitRow(static_cast<int>(i), committedText(boxTexts, i), conn)) return;
    }
}

bool TuningSession::commitRow(int index, std::string_view boxText, EnhancedZIRK& conn) {
    const std::string_view text = boxText.substr(0, TunerBoxRule::kCommitReadLimit);
    const std::uint32_t value = TunerBoxRule::convert(text);
    if (!row(index).inUse) {
        if (family_.showsUnsentCommit) row(index).defaultText = formatText("%d", static_cast<int>(value));
        return true;
    }
    if (!commitValueAccepted(text, value)) return false;
    selectRowPoint(index, conn);
    data_->commit(value, conn);
    storeValue(index, value);
    noteCommitted(index, value);
    row(index).defaultText = formatText("%d", static_cast<int>(value));
    return true;
}

bool TuningSession::commitValueAccepted(std::string_view text, std::uint32_t value, std::uint32_t maximum) const {
    if (value > maximum) {
        show({family_.texts.abort.data(), messages::kAbortCaption}, MessageIcon::Exclamation);
        noteRefused(value, family_.texts.abort);
        return false;
    }
    if (text.empty()) {
        show({family_.texts.entry.data(), family_.texts.entryCaption.data()}, MessageIcon::Information);
        noteRefused(std::nullopt, family_.texts.entry);
        return false;
    }
    return true;
}

void TuningSession::close() {
    context_.openScreenKind = 0;
    EnhancedZIRK* conn = obtainConnection();
    if (conn == nullptr) return;
    try {
        closeRadio(*conn);
    } catch (const std::exception&) {
        if (family_.reportsClosingFailure) show(messages::kCommunicationError, MessageIcon::Exclamation);
    }
    releaseConnection();
}

void TuningSession::closeRadio(EnhancedZIRK& conn) {
    if (transmits()) dekey(conn);
    conn.reset();
}

void TuningSession::show(const messages::Message& message, MessageIcon icon) const {
    context_.ui.message(message.text, message.caption, icon);
}

MessageAnswer TuningSession::ask(std::string_view text, std::string_view caption, MessageButtons buttons) const {
    return context_.ui.message(std::string(text), std::string(caption), MessageIcon::Information, buttons);
}

std::unique_ptr<TuningSession> makeTuningSession(int kind, const TuningContext& context) {
    const TuningFamily* family = tuningFamilyOfKind(kind);
    if (family == nullptr) return nullptr;
    return family->session(*family, context);
}

}  // namespace vantrel
