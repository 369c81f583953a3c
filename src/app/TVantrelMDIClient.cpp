#include "app/TVantrelMDIClient.h"

#include "app/AppMessages.h"
#include "app/CommandIds.h"
#include "app/MenuLayout.h"
#include "app/StatusText.h"
#include "app/TCommSetupDialog.h"
#include "app/TProgressWindow.h"
#include "app/TRadioInfoDialog.h"
#include "app/TVantrelAboutDlg.h"
#include "app/TVantrelMDIChild.h"
#include "app/UtilityWindowCommands.h"
#include "app/tunerSetupWindow.h"
#include "link/ComStartupCheck.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include <vector>

namespace vantrel {

namespace {

// The "*.sfp" files among dropped ones, as local paths.
std::vector<std::string> droppedArchives(const QMimeData* data) {
    std::vector<std::string> archives;
    if (data == nullptr || !data->hasUrls()) return archives;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        if (QFileInfo(path).suffix().compare(QStringLiteral("sfp"), Qt::CaseInsensitive) == 0) {
            archives.push_back(path.toStdString());
        }
    }
    return archives;
}

}  // namespace

TVantrelMDIClient::TVantrelMDIClient(int& openScreenKind, FileLocations locations, Interaction& ui, QWidget* parent)
    : QMdiArea(parent), openScreenKind_(openScreenKind), locations_(std::move(locations)), ui_(ui) {
    const ComStartupOutcome outcome = runComStartupCheck([this] {
        TCommSetupDialog dialog;
        ui_.runDialog(dialog);
    });
    if (!outcome.proceed) {
        ui_.message(std::string(ComStartupOutcome::kExitMessage), std::string(ComStartupOutcome::kExitCaption),
                    MessageIcon::Exclamation);
        startupRefused_ = true;
    }
    tuningAllowed_ = true;
    statusText_ = kStartStatusText;
    utilities_ = std::make_unique<UtilityWindowCommands>(*this);
    utilities_->install();
}

TVantrelMDIClient::~TVantrelMDIClient() {
    // The windows inside go while the flags they clear on their way out still exist.
    qDeleteAll(subWindowList());
}

void TVantrelMDIClient::setUp(const std::string& archiveOnStart) {
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    if (!archiveOnStart.empty()) loadArchive(archiveOnStart, false);
}

CommandState TVantrelMDIClient::commandState() const {
    return CommandState{storage_, radioRead_, archiveLoaded_, tuningAllowed_, openScreenKind_};
}

void TVantrelMDIClient::setWindowCommand(int id, WindowCommand command) { windowCommands_[id] = std::move(command); }

void TVantrelMDIClient::execute(int id) {
    if (!isEnabled(id)) return;
    using namespace command;
    switch (id) {
        case kLoadArchive:
            loadArchiveCommand();
            return;
        case kSaveArchive:
            saveArchiveCommand();
            return;
        case kReadRadio:
            readRadioCommand();
            return;
        case kProgramAll:
            programAllCommand();
            return;
        case kCommunicationSettings:
            communicationSettings();
            return;
        case kRadioHardwareInformation:
            radioInformation();
            return;
        case kAbout:
            about();
            return;
        case kPortableRadioSetup:
        case kMobileRadioSetup:
            openSetupPicture(id == kPortableRadioSetup);
            return;
        default:
            break;
    }
    const auto hooked = windowCommands_.find(id);
    if (hooked != windowCommands_.end()) {
        hooked->second();
    } else {
        notAvailableYet(id);
    }
}

void TVantrelMDIClient::setStatusText(const std::string& text) {
    statusText_ = text;
    if (statusListener_) statusListener_(statusText_);
}

void TVantrelMDIClient::setStatusListener(std::function<void(const std::string&)> listener) {
    statusListener_ = std::move(listener);
    if (statusListener_) statusListener_(statusText_);
}

void TVantrelMDIClient::setDropListener(std::function<void(const std::string&)> listener) {
    dropListener_ = std::move(listener);
}

void TVantrelMDIClient::show(const messages::Message& message, MessageIcon icon) {
    ui_.message(message.text, message.caption, icon);
}

void TVantrelMDIClient::communicationSettings() {
    TCommSetupDialog dialog(this);
    ui_.runDialog(dialog);
}

void TVantrelMDIClient::radioInformation() {
    TRadioInfoDialog dialog(this, storage_);
    ui_.runDialog(dialog);
}

void TVantrelMDIClient::about() {
    QWidget* focus = QApplication::focusWidget();
    TVantrelAboutDlg dialog(focus != nullptr ? focus->window() : window());
    ui_.runDialog(dialog);
}

void TVantrelMDIClient::openSetupPicture(bool portable) {
    const int ownKind = tunerSetupWindow::kindOf(portable);
    if (openScreenKind_ != 0) {
        if (openScreenKind_ != ownKind) show(messages::kWindowStillOpen, MessageIcon::Information);
        return;
    }
    if (setupPictureOpen_) return;
    setupPictureOpen_ = true;

    const char* picture = portable ? tunerSetupWindow::kPortablePicture : tunerSetupWindow::kMobilePicture;
    auto* window = new tunerSetupWindow(portable, openScreenKind_, setupPictureOpen_, locations_.shipped / picture);
    auto* frame = new TVantrelMDIChild(window, QStringLiteral("Radio Setup"));
    addSubWindow(frame);
    frame->show();

    // As every window of the client, the pictures open only while the image may be tuned.
    if (!tuningAllowed_) openScreenKind_ = 0;
    if (openScreenKind_ == 0) delete frame;
}

void TVantrelMDIClient::notAvailableYet(int id) {
    const std::string path = menuPath(id);
    const std::string name = path.empty() ? "Command " + std::to_string(id) : path;
    ui_.message(name + " is not available in this version of Vantrel yet.", "NOTE", MessageIcon::Information);
}

void TVantrelMDIClient::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedArchives(event->mimeData()).empty()) event->acceptProposedAction();
}

void TVantrelMDIClient::dragMoveEvent(QDragMoveEvent* event) {
    if (!droppedArchives(event->mimeData()).empty()) event->acceptProposedAction();
}

// A dropped archive joins the recent-files list; loading is left to Load Archive File, which
// asks before it replaces the image in memory.
void TVantrelMDIClient::dropEvent(QDropEvent* event) {
    if (takeDroppedFiles(event->mimeData())) event->acceptProposedAction();
}

bool TVantrelMDIClient::takeDroppedFiles(const QMimeData* dropped) {
    const std::vector<std::string> archives = droppedArchives(dropped);
    for (const std::string& path : archives) {
        if (dropListener_) dropListener_(path);
    }
    return !archives.empty();
}

}  // namespace vantrel
