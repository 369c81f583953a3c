#include "app/TVantrelFrame.h"

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/DisabledItemHints.h"
#include "app/MenuLayout.h"
#include "app/RecentFiles.h"
#include "app/TVantrelMDIChild.h"
#include "app/TVantrelMDIClient.h"
#include "app/ToolbarGlyphs.h"

#include <QAction>
#include <QCloseEvent>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimerEvent>
#include <QToolBar>

namespace vantrel {

namespace {

// A hint is shown even when it is empty: the status bar then stays blank while the item is
// highlighted, instead of going back to the status text.
QString hintTip(const std::string& hint) { return hint.empty() ? QStringLiteral(" ") : QString::fromStdString(hint); }

QWidget* separatorGap(QWidget* parent) {
    auto* gap = new QWidget(parent);
    gap->setFixedWidth(1);
    return gap;
}

struct ToolButton {
    int glyph;  // 0: a separator
    int command;
};

constexpr ToolButton kToolBar[] = {
    {glyph::kLoadArchive, command::kLoadArchive},
    {glyph::kSaveArchive, command::kSaveArchive},
    {glyph::kReadRadio, command::kReadRadio},
    {glyph::kProgramAll, command::kProgramAll},
    {0, 0},
    {0, 0},
    {glyph::kPrint, command::kPrintPreview},
    {0, 0},
    {glyph::kCommunicationSettings, command::kCommunicationSettings},
    {0, 0},
    {glyph::kProgramSerialNumber, command::kProgramSerialNumber},
};

}  // namespace

TVantrelFrame::TVantrelFrame(TVantrelMDIClient* client, Dispatcher dispatcher)
    : client_(client), dispatcher_(std::move(dispatcher)), disabledHints_(new DisabledItemHints(this)) {
    setWindowTitle(QString::fromLatin1(kProductTitle));
    setWindowIcon(applicationIcon());
    setCentralWidget(client_);

    for (const MenuNode& popup : menuBarLayout()) {
        QMenu* menu = menuBar()->addMenu(QString::fromStdString(popup.title));
        menu->menuAction()->setStatusTip(hintTip(hintFor(popup)));
        buildMenu(menu, popup.items);
        if (fileMenu_ == nullptr) fileMenu_ = menu;
    }
    buildToolBar();
    buildStatusBar();
    refreshCommands();
    refreshTimer_ = startTimer(kRefreshMs);
}

QAction* TVantrelFrame::commandAction(int command) {
    const CommandInfo* info = findCommand(command);
    auto* action = new QAction(QString::fromLatin1(info != nullptr ? info->text : ""), this);
    action->setData(command);
    action->setStatusTip(hintTip(hintText(command).value_or(std::string())));
    action->setIconVisibleInMenu(false);
    connect(action, &QAction::triggered, this, [this, command] { dispatcher_(command); });
    actions_[command] = action;
    return action;
}

void TVantrelFrame::buildMenu(QMenu* menu, const std::vector<MenuNode>& items) {
    connect(menu, &QMenu::aboutToShow, this, [this] { refreshCommands(); });
    disabledHints_->watch(menu);
    bool anchorNext = false;
    for (const MenuNode& node : items) {
        QAction* added = nullptr;
        switch (node.kind) {
            case MenuNode::Kind::Command:
                added = commandAction(node.command);
                menu->addAction(added);
                break;
            case MenuNode::Kind::Separator:
                added = menu->addSeparator();
                break;
            case MenuNode::Kind::Popup: {
                QMenu* popup = menu->addMenu(QString::fromStdString(node.title));
                popup->menuAction()->setStatusTip(hintTip(hintFor(node)));
                buildMenu(popup, node.items);
                added = popup->menuAction();
                break;
            }
            case MenuNode::Kind::RecentFiles:
                anchorNext = true;
                continue;
        }
        if (anchorNext) recentFilesAnchor_ = added;
        anchorNext = false;
    }
}

void TVantrelFrame::buildToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    QFont font = toolBar_->font();
    font.setPointSize(10);
    toolBar_->setFont(font);
    bool afterSeparator = false;
    for (const ToolButton& button : kToolBar) {
        if (button.glyph == 0) {
            // The toolbar folds a separator that follows another one; a blank between them keeps
            // the pair as two.
            if (afterSeparator) toolBar_->addWidget(separatorGap(toolBar_));
            toolBar_->addSeparator();
            afterSeparator = true;
            continue;
        }
        afterSeparator = false;
        QAction* shared = action(button.command);
        shared->setIcon(QIcon(drawToolbarGlyph(button.glyph)));
        toolBar_->addAction(shared);
    }
}

void TVantrelFrame::buildStatusBar() {
    statusField_ = new QLabel(this);
    statusField_->setTextFormat(Qt::PlainText);
    // The identity text is longer than any screen; it must not widen the window.
    statusField_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusField_->setMinimumWidth(1);
    statusBar()->addWidget(statusField_, 1);
    client_->setStatusListener(
        [this](const std::string& text) { statusField_->setText(QString::fromStdString(text)); });
}

QAction* TVantrelFrame::action(int command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void TVantrelFrame::refreshCommands() {
    for (const auto& [command, shared] : actions_) shared->setEnabled(client_->isEnabled(command));
}

void TVantrelFrame::showRecentFiles(const std::vector<std::string>& paths) {
    for (QAction* old : recentActions_) delete old;
    recentActions_.clear();
    delete recentSeparator_;
    recentSeparator_ = nullptr;
    if (fileMenu_ == nullptr || recentFilesAnchor_ == nullptr || paths.empty()) return;

    for (std::size_t i = 0; i < paths.size(); ++i) {
        const int index = static_cast<int>(i);
        const int command = command::kFirstRecentFile + index;
        auto* entry = new QAction(QString::fromStdString(RecentFiles::menuText(index, paths[i])), this);
        entry->setData(command);
        entry->setStatusTip(hintTip({}));
        connect(entry, &QAction::triggered, this, [this, command] { dispatcher_(command); });
        fileMenu_->insertAction(recentFilesAnchor_, entry);
        recentActions_.push_back(entry);
    }
    recentSeparator_ = new QAction(this);
    recentSeparator_->setSeparator(true);
    fileMenu_->insertAction(recentFilesAnchor_, recentSeparator_);
}

// Each window inside runs its own closing steps; one that refuses keeps the program open.
void TVantrelFrame::closeEvent(QCloseEvent* event) {
    client_->closeAllSubWindows();
    for (const QMdiSubWindow* child : client_->subWindowList()) {
        if (child->isVisible()) {
            event->ignore();
            return;
        }
    }
    killTimer(refreshTimer_);
    refreshTimer_ = 0;
    event->accept();
}

void TVantrelFrame::timerEvent(QTimerEvent* event) {
    if (event->timerId() == refreshTimer_) {
        refreshCommands();
        return;
    }
    QMainWindow::timerEvent(event);
}

}  // namespace vantrel
