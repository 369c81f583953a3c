#pragma once

#include "files/previewPages.h"
#include "printing/ReportPageRenderer.h"

#include <QMainWindow>
#include <QPageLayout>

#include <functional>
#include <map>

class QAction;
class QLabel;
class QToolBar;

namespace vantrel {

// The print preview: the report's pages as the printer will print them, one or two at a time,
// with a toolbar to step through them, print them or close the window.
class TApxPreviewWin : public QMainWindow {
public:
    static constexpr int kPreviousPage = 24500;
    static constexpr int kNextPage = 24501;
    static constexpr int kOnePage = 24502;
    static constexpr int kTwoPages = 24503;
    static constexpr int kPageField = 24504;
    static constexpr int kPrint = 24337;
    static constexpr int kClose = 24505;

    // `print` carries out the Print button; `closed` is told when the window closes.
    TApxPreviewWin(const QString& mainCaption, const ReportPageRenderer& renderer, const QPageLayout& layout,
                   std::function<void()> print, std::function<void()> closed, QWidget* owner = nullptr);

    QAction* action(int id) const;
    QLabel* pageField() const { return pageField_; }
    const previewPages& pages() const { return pages_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class PageView;

    QAction* addButton(int id, const QString& text, std::function<void()> run);
    void step(void (previewPages::*change)());
    void refresh();

    const ReportPageRenderer& renderer_;
    QPageLayout layout_;
    previewPages pages_;
    std::function<void()> closed_;
    std::map<int, QAction*> actions_;
    QToolBar* bar_ = nullptr;
    QLabel* pageField_ = nullptr;
    PageView* view_ = nullptr;
};

}  // namespace vantrel
