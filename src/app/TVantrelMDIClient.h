#pragma once

#include "app/CommandTable.h"
#include "app/Interaction.h"
#include "files/fileModule.h"
#include "link/FileLocations.h"
#include "model/radioStorage.h"
#include "operations/radioOperations.h"

#include <QMdiArea>

class QMimeData;

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace vantrel {

class TProgressWindow;
class UtilityWindowCommands;
namespace messages {
struct Message;
}

// The client area of the main window and the handler of every command. It owns the image of
// the radio and the objects that read, program, load and save it, keeps the flags every
// enabling rule reads, and runs the File commands, the port dialog, the information dialogs
// and the radio setup pictures. The tuning screens and utility windows are hooked in per
// command (setWindowCommand).
class TVantrelMDIClient : public QMdiArea {
public:
    using WindowCommand = std::function<void()>;

    // Runs the start-up port check, which may show the port dialog; when "com.ini" still cannot
    // be read it shows the exit message and startupRefused() turns true.
    TVantrelMDIClient(int& openScreenKind, FileLocations locations, Interaction& ui, QWidget* parent = nullptr);
    ~TVantrelMDIClient() override;

    bool startupRefused() const { return startupRefused_; }

    // The rest of the set-up, once the main window exists and before it is shown: accepts
    // dropped archives and loads the one named at start (without the question).
    void setUp(const std::string& archiveOnStart);

    CommandState commandState() const;
    bool isEnabled(int id) const { return isCommandEnabled(id, commandState()); }
    // Carries out a command; a disabled one does nothing.
    void execute(int id);
    // Read Radio as a window asks for it when another radio is on the line, whatever is open.
    void runReadRadio() { readRadioCommand(); }
    void setWindowCommand(int id, WindowCommand command);

    // The status bar text, and who shows it.
    const std::string& statusText() const { return statusText_; }
    void setStatusText(const std::string& text);
    void setStatusListener(std::function<void(const std::string&)> listener);
    // Told of every "*.sfp" file dropped on the client.
    void setDropListener(std::function<void(const std::string&)> listener);
    // What a drop on the client does with the dropped files: the archives among them go to the
    // drop listener. False when there was none.
    bool takeDroppedFiles(const QMimeData* data);

    radioStorage& storage() { return storage_; }
    radioOperations& operations() { return operations_; }
    fileModule& archive() { return archive_; }
    Interaction& interaction() { return ui_; }
    int& openScreenKind() { return openScreenKind_; }
    const FileLocations& locations() const { return locations_; }

    bool radioRead() const { return radioRead_; }
    bool archiveLoaded() const { return archiveLoaded_; }
    bool tuningAllowed() const { return tuningAllowed_; }
    void setTuningAllowed(bool allowed) { tuningAllowed_ = allowed; }
    bool setupPictureOpen() const { return setupPictureOpen_; }

    // The progress window of the last Read or Program All (hidden once it closed itself).
    TProgressWindow* progressWindow() const { return progress_.get(); }

    static FileDialogRequest archiveDialog(FileDialogRequest::Mode mode);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void loadArchiveCommand();
    void loadArchive(const std::filesystem::path& file, bool fromMenu);
    void saveArchiveCommand();
    void readRadioCommand();
    void programAllCommand();
    void communicationSettings();
    void radioInformation();
    void about();
    void openSetupPicture(bool portable);
    void notAvailableYet(int id);

    void show(const messages::Message& message, MessageIcon icon);
    // From inside a handler: the command's error, with the cause as detail when a port did not open.
    void showFailure(const messages::Message& message);
    void enterProgramFolder() const;
    TProgressWindow& openProgress(const char* title);
    void finishProgress();
    void backUpReadRadio();

    int& openScreenKind_;
    FileLocations locations_;
    Interaction& ui_;

    radioStorage storage_;
    radioOperations operations_;
    fileModule archive_;

    bool radioRead_ = false;
    bool archiveLoaded_ = false;
    bool tuningAllowed_ = true;
    bool setupPictureOpen_ = false;
    bool startupRefused_ = false;

    std::string statusText_;
    std::function<void(const std::string&)> statusListener_;
    std::function<void(const std::string&)> dropListener_;
    std::map<int, WindowCommand> windowCommands_;
    std::unique_ptr<TProgressWindow> progress_;
    std::unique_ptr<UtilityWindowCommands> utilities_;
};

}  // namespace vantrel
