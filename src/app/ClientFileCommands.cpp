// The File commands of the client: Load and Save Archive File, Read Radio Information and
// Softpots, and Program All.

#include "app/AppMessages.h"
#include "app/StatusText.h"
#include "app/TProgressWindow.h"
#include "app/TVantrelMDIClient.h"
#include "files/radioBackup.h"
#include "link/PortOpenFailure.h"
#include "model/radioIdentity.h"
#include "operations/ReadOutcome.h"
#include "operations/programAllRecord.h"
#include "operations/radioProgramAll.h"
#include "protocol/cominit.h"

#include <QApplication>

#include <iostream>
#include <system_error>
#include <vector>

namespace vantrel {

namespace {

using messages::Message;

// The hourglass over the main window for the length of a radio command, whichever way it ends.
// It is taken away before any message box, which waits for the technician and not the radio.
class WaitCursor {
public:
    explicit WaitCursor(QWidget* window) : window_(window) { window_->setCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    void restore() {
        if (window_ != nullptr) window_->unsetCursor();
        window_ = nullptr;
    }

private:
    QWidget* window_;
};

}  // namespace

FileDialogRequest TVantrelMDIClient::archiveDialog(FileDialogRequest::Mode mode) {
    FileDialogRequest request;
    request.mode = mode;
    request.filter = "Tuner files (*.sfp)|*.sfp|";
    request.defaultExtension = "sfp";
    // Only an archive that is opened must exist already: Save creates new ones.
    request.fileMustExist = mode == FileDialogRequest::Mode::Open;
    request.hideReadOnly = true;
    request.promptBeforeOverwriting = true;
    return request;
}

void TVantrelMDIClient::loadArchiveCommand() {
    const auto file = ui_.chooseFile(archiveDialog(FileDialogRequest::Mode::Open));
    if (!file) return;
    const Message& question = messages::kInitializeRadioData;
    if (ui_.message(question.text, question.caption, MessageIcon::Information, MessageButtons::OkCancel) !=
        MessageAnswer::Ok) {
        return;
    }
    loadArchive(*file, true);
}

void TVantrelMDIClient::loadArchive(const std::filesystem::path& file, bool fromMenu) {
    const ArchiveLoadResult result = archive_.loadArchive(file, storage_);
    switch (result) {
        case ArchiveLoadResult::Loaded:
            tuningAllowed_ = true;
            show(messages::kArchiveLoaded, MessageIcon::Information);
            archiveLoaded_ = true;
            setStatusText(identityStatusText(storage_));
            return;
        case ArchiveLoadResult::NotOpenable:
            // Nothing was read, so nothing that was read or loaded before is any less valid.
            show(messages::kArchiveNotOpened, MessageIcon::Exclamation);
            return;
        case ArchiveLoadResult::NotAnArchive:
            show(messages::kNotAnArchive, MessageIcon::Exclamation);
            break;
        case ArchiveLoadResult::IncompatibleVersion:
            show(messages::kIncompatibleArchive, MessageIcon::Exclamation);
            break;
        case ArchiveLoadResult::InvalidTuningProcedureVersion:
            show(messages::kInvalidTuningProcedure, MessageIcon::Information);
            tuningAllowed_ = false;
            break;
    }
    archiveLoaded_ = false;
    if (!fromMenu) return;
    // The image in memory now mixes two radios: forget the read radio and its identity.
    radioRead_ = false;
    const radioStorage defaults;
    storage_.setSerialNumber(defaults.serialNumber());
    storage_.setModelNumber(defaults.modelNumber());
    setStatusText(kStartStatusText);
}

void TVantrelMDIClient::saveArchiveCommand() {
    const auto file = ui_.chooseFile(archiveDialog(FileDialogRequest::Mode::Save));
    if (!file) return;
    if (!archive_.saveArchive(*file, storage_)) {
        show(messages::kArchiveNotSaved, MessageIcon::Exclamation);
        return;
    }
    show(messages::kArchiveSaved, MessageIcon::Information);
}

// Relative names (the report file, the settings file) then land in the program folder, or in the
// per-user data folder of an installed program.
void TVantrelMDIClient::enterProgramFolder() const {
    ensureFolder(locations_.data);
    std::error_code ignored;
    std::filesystem::current_path(locations_.data, ignored);
}

TProgressWindow& TVantrelMDIClient::openProgress(const char* title) {
    progress_ = std::make_unique<TProgressWindow>(QString::fromLatin1(title), locations_.shipped / "title.bmp");
    progress_->show();
    return *progress_;
}

// Every way out of a radio command leaves the gauge full, so the window closes itself.
void TVantrelMDIClient::finishProgress() {
    if (progress_ && progress_->percent() < 100) progress_->setPercent(100);
}

void TVantrelMDIClient::readRadioCommand() {
    enterProgramFolder();
    TProgressWindow& progress = openProgress(messages::kReadingTitle);
    WaitCursor wait(window());

    ReadOutcome outcome;
    try {
        outcome = operations_.readRadio(storage_, progress);
    } catch (...) {
        markIdentityInvalid(storage_);
        finishProgress();
        wait.restore();
        showFailure(messages::kReadFailed);
        setStatusText(identityStatusText(storage_));
        radioRead_ = archiveLoaded_ = false;
        return;
    }
    const std::vector<Message> said = readOutcomeMessages(outcome, storage_);
    if (outcome.kind == ReadOutcome::Kind::UnusableFrequencyPlan) {
        markIdentityInvalid(storage_);
        finishProgress();
        wait.restore();
        for (const Message& message : said) show(message, MessageIcon::Exclamation);
        setStatusText(identityStatusText(storage_));
        radioRead_ = archiveLoaded_ = false;
        return;
    }
    finishProgress();
    wait.restore();
    if (!outcome.isComplete()) {
        for (const Message& message : said) show(message, MessageIcon::Exclamation);
        return;
    }
    radioRead_ = true;
    backUpReadRadio();
    for (const Message& message : said) show(message, MessageIcon::Information);
    tuningAllowed_ = storage_.hasTunableProcedure();
    setStatusText(identityStatusText(storage_));
}

void TVantrelMDIClient::showFailure(const messages::Message& message) {
    std::string detail;
    try {
        throw;
    } catch (const std::exception& failure) {
        detail = portOpenExplanation(failure);
    } catch (...) {}
    if (detail.empty()) {
        show(message, MessageIcon::Exclamation);
    } else {
        ui_.messageWithDetail(message.text, message.caption, MessageIcon::Exclamation, detail);
    }
}

void TVantrelMDIClient::backUpReadRadio() { keepBackup(archive_, storage_, locations_.data, std::cerr); }

void TVantrelMDIClient::programAllCommand() {
    enterProgramFolder();
    const Message& question = messages::kProgramRadioQuestion;
    if (ui_.message(question.text, question.caption, MessageIcon::Information, MessageButtons::OkCancel) !=
        MessageAnswer::Ok) {
        return;
    }
    TProgressWindow& progress = openProgress(messages::kWritingTitle);
    WaitCursor wait(window());

    bool sameRadio = false;
    try {
        cominit conn;
        sameRadio = operations_.serialMatches(storage_, conn);
    } catch (...) {
        finishProgress();
        wait.restore();
        showFailure(messages::kProgramError);
        return;
    }
    if (!sameRadio) {
        finishProgress();
        wait.restore();
        show(messages::kProgramSerialMismatch, MessageIcon::Exclamation);
        recordProgramAll(storage_, ServiceResult::Refused, messages::kProgramSerialMismatch.text);
        return;
    }
    try {
        radioProgramAll(storage_, progress).programAll();
    } catch (...) {
        finishProgress();
        wait.restore();
        showFailure(messages::kProgramError);
        return;
    }
    finishProgress();
    wait.restore();
    show(messages::kRadioProgrammed, MessageIcon::Information);
}

}  // namespace vantrel
