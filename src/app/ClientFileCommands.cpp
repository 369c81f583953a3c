// The File commands of the client: Load and Save Archive File, Read Radio Information and
// Softpots, and Program All.

#include "app/AppMessages.h"
#include "app/StatusText.h"
#include "app/TProgressWindow.h"
#include "app/TVantrelMDIClient.h"
#include "app/radioBackup.h"
#include "model/radioIdentity.h"
#include "operations/programAllRecord.h"
#include "operations/radioProgramAll.h"
#include "protocol/cominit.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <system_error>

namespace vantrel {

namespace {

using messages::Message;

constexpr std::int32_t kFirstProcedure = 1;
constexpr std::int32_t kSecondProcedure = 2;

// The hourglass over the main window for the length of a radio command, whichever way it ends.
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
    request.fileMustExist = true;
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

// Relative names (the report file, the settings file) then land in the program folder.
void TVantrelMDIClient::enterProgramFolder() const {
    std::error_code ignored;
    std::filesystem::current_path(folder_, ignored);
}

TProgressWindow& TVantrelMDIClient::openProgress(const char* title) {
    progress_ = std::make_unique<TProgressWindow>(QString::fromLatin1(title), folder_ / "title.bmp");
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

    int result = 0;
    try {
        result = operations_.readRadio(storage_, progress);
    } catch (...) {
        markIdentityInvalid(storage_);
        finishProgress();
        show(messages::kReadFailed, MessageIcon::Exclamation);
        setStatusText(identityStatusText(storage_));
        radioRead_ = archiveLoaded_ = false;
        return;
    }
    // A radio that powered up with status 2 returns the same number as an unusable plan; only
    // the latter has read anything into the image.
    const bool powerUpFailed = operations_.powerUpFailure().has_value();
    if (result == radioOperations::kUnusableFrequencyPlan && !powerUpFailed) {
        markIdentityInvalid(storage_);
        finishProgress();
        show(messages::kFrequencyPlanInvalid, MessageIcon::Exclamation);
        setStatusText(identityStatusText(storage_));
        radioRead_ = archiveLoaded_ = false;
        return;
    }
    finishProgress();
    wait.restore();
    if (result != radioOperations::kReadComplete) {
        show(messages::kPowerUpError, MessageIcon::Exclamation);
        if (result == messages::kHardwareFailureStatus) show(messages::kHardwareFailure, MessageIcon::Exclamation);
        return;
    }
    radioRead_ = true;
    backUpReadRadio();
    show(messages::kRadioRead, MessageIcon::Information);
    const std::int32_t version = storage_.tuningProcedureVersion();
    tuningAllowed_ = version == kFirstProcedure || version == kSecondProcedure;
    if (!tuningAllowed_) show(messages::kNotSuitableForTuning, MessageIcon::Information);
    setStatusText(identityStatusText(storage_));
}

// Without a dialog: a backup that could not be written must not hold up the technician, who
// still has the radio and the image in memory.
void TVantrelMDIClient::backUpReadRadio() {
    if (!saveBackup(archive_, storage_, folder_, std::chrono::system_clock::now())) {
        std::fprintf(stderr, "vantrel: the backup of the radio read could not be written under %s\n",
                     (folder_ / kBackupFolderName).c_str());
    }
}

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
        show(messages::kProgramError, MessageIcon::Exclamation);
        return;
    }
    if (!sameRadio) {
        finishProgress();
        show(messages::kProgramSerialMismatch, MessageIcon::Exclamation);
        recordProgramAll(storage_, ServiceResult::Refused, messages::kProgramSerialMismatch.text);
        return;
    }
    try {
        radioProgramAll(storage_, progress).programAll();
    } catch (...) {
        finishProgress();
        show(messages::kProgramError, MessageIcon::Exclamation);
        return;
    }
    finishProgress();
    wait.restore();
    show(messages::kRadioProgrammed, MessageIcon::Information);
}

}  // namespace vantrel
