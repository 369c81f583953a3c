#pragma once

#include <QMainWindow>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace vantrel {

class DisabledItemHints;
class TVantrelMDIClient;
struct MenuNode;

// The main window: caption, the menu bar built from the menu layout, the toolbar, the status
// bar with its one text field, and the client area. Every command of the menu and the toolbar
// goes to one dispatcher; the enabling rules are applied whenever a menu opens, after every
// command and a few times a second while the program is idle.
class TVantrelFrame : public QMainWindow {
public:
    static constexpr const char* kProductTitle = "Vantrel              ";  // and 14 blanks
    static constexpr int kRefreshMs = 200;

    using Dispatcher = std::function<void(int command)>;

    TVantrelFrame(TVantrelMDIClient* client, Dispatcher dispatcher);

    // Re-applies every enabling rule to the menu items and toolbar buttons.
    void refreshCommands();
    // The File menu's recent-files entries, most recent first.
    void showRecentFiles(const std::vector<std::string>& paths);

    // The action of a command (menu item and toolbar button share it), or nullptr.
    QAction* action(int command) const;
    QToolBar* toolBar() const { return toolBar_; }
    QLabel* statusField() const { return statusField_; }
    TVantrelMDIClient* client() const { return client_; }
    // The recent-files entries now in the File menu.
    const std::vector<QAction*>& recentFileActions() const { return recentActions_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void buildMenu(QMenu* menu, const std::vector<MenuNode>& items);
    QAction* commandAction(int command);
    void buildToolBar();
    void buildStatusBar();

    TVantrelMDIClient* client_;
    Dispatcher dispatcher_;
    std::map<int, QAction*> actions_;
    QToolBar* toolBar_ = nullptr;
    QLabel* statusField_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* recentFilesAnchor_ = nullptr;  // the entries go just before it (Exit)
    std::vector<QAction*> recentActions_;
    QAction* recentSeparator_ = nullptr;
    int refreshTimer_ = 0;
    DisabledItemHints* disabledHints_;  // owned by the frame as its child
};

}  // namespace vantrel
