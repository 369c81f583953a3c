#include "app/TApxPreviewWin.h"

#include "app/TVantrelMDIChild.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QToolBar>

namespace vantrel {

namespace {

constexpr double kFill = 0.95;   // of the limiting dimension
constexpr double kPageGap = 30;  // between two pages
constexpr int kPageFieldChars = 10;

QWidget* gap(QWidget* parent, int width) {
    auto* blank = new QWidget(parent);
    blank->setFixedWidth(width);
    return blank;
}

}  // namespace

// The pages themselves, centred on the workspace colour.
class TApxPreviewWin::PageView : public QWidget {
public:
    PageView(const TApxPreviewWin& preview, QWidget* parent) : QWidget(parent), preview_(preview) {
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Dark);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const previewPages& pages = preview_.pages_;
        const QRectF paper = preview_.layout_.fullRect(QPageLayout::Point);
        const QRectF printable = preview_.layout_.paintRect(QPageLayout::Point);
        const int places = pages.twoPages() ? 2 : 1;
        // The pages as large as fit while keeping their proportions.
        const double across = places * paper.width() + (places - 1) * kPageGap;
        const double scale = kFill * std::min(width() / across, height() / paper.height());
        const QSizeF shown = paper.size() * scale;
        const double left = (width() - (places * shown.width() + (places - 1) * kPageGap * scale)) / 2;
        const double top = (height() - shown.height()) / 2;

        QPainter painter(this);
        const int numbers[] = {pages.firstShown(), pages.secondShown()};
        for (int place = 0; place < places; ++place) {
            const QRectF sheet(QPointF(left + place * (shown.width() + kPageGap * scale), top), shown);
            painter.fillRect(sheet, Qt::white);
            painter.setPen(Qt::black);
            painter.drawRect(sheet);
            if (numbers[place] == 0) continue;
            const QRectF area(sheet.topLeft() + printable.topLeft() * scale, printable.size() * scale);
            painter.setViewport(area.toRect());
            preview_.renderer_.drawPage(painter, preview_.layout_, numbers[place]);
            painter.setViewport(rect());
            painter.setWindow(rect());
        }
    }

private:
    const TApxPreviewWin& preview_;
};

TApxPreviewWin::TApxPreviewWin(const QString& mainCaption, const ReportPageRenderer& renderer,
                               const QPageLayout& layout, std::function<void()> print, std::function<void()> closed,
                               QWidget* owner)
    : QMainWindow(owner, Qt::Window),
      renderer_(renderer),
      layout_(layout),
      pages_(renderer.pageCount(layout)),
      closed_(std::move(closed)) {
    setWindowTitle(mainCaption + QStringLiteral(" (Preview Window)"));
    setWindowIcon(applicationIcon());
    bar_ = addToolBar(QStringLiteral("Preview"));
    QToolBar* bar = bar_;
    bar->setMovable(false);
    QFont font = bar->font();
    font.setPointSize(10);
    bar->setFont(font);

    addButton(kPreviousPage, QStringLiteral("Previous"), [this] { step(&previewPages::previous); });
    addButton(kNextPage, QStringLiteral("Next"), [this] { step(&previewPages::next); });
    bar->addWidget(gap(bar, 6));
    auto* pair = new QActionGroup(this);
    for (const int id : {kOnePage, kTwoPages}) {
        const bool one = id == kOnePage;
        QAction* shown = addButton(id, one ? QStringLiteral("One page") : QStringLiteral("Two pages"),
                                   [this, one] { step(one ? &previewPages::showOne : &previewPages::showTwo); });
        shown->setCheckable(true);
        shown->setChecked(one);
        pair->addAction(shown);
    }
    bar->addWidget(gap(bar, 12));
    pageField_ = new QLabel(bar);
    pageField_->setObjectName(QString::number(kPageField));
    pageField_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pageField_->setMinimumWidth(pageField_->fontMetrics().averageCharWidth() * kPageFieldChars);
    bar->addWidget(pageField_);
    bar->addWidget(gap(bar, 20));
    addButton(kPrint, QStringLiteral("Print"), std::move(print));
    bar->addWidget(gap(bar, 20));
    addButton(kClose, QStringLiteral("Close"), [this] {
        close();
    })->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::ALT | Qt::Key_C)});

    view_ = new PageView(*this, this);
    setCentralWidget(view_);
    refresh();
}

QAction* TApxPreviewWin::addButton(int id, const QString& text, std::function<void()> run) {
    auto* button = new QAction(text, this);
    button->setData(id);
    connect(button, &QAction::triggered, this, [run = std::move(run)] { run(); });
    actions_[id] = button;
    bar_->addAction(button);
    return button;
}

QAction* TApxPreviewWin::action(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void TApxPreviewWin::step(void (previewPages::*change)()) {
    (pages_.*change)();
    refresh();
}

void TApxPreviewWin::refresh() {
    const QRectF paper = layout_.fullRect(QPageLayout::Point);
    action(kPreviousPage)->setEnabled(pages_.canGoBack());
    action(kNextPage)->setEnabled(pages_.canGoForward());
    action(kTwoPages)->setEnabled(previewPages::canShowTwo(paper.width(), paper.height()));
    pageField_->setText(QString::fromStdString(pages_.pageText()));
    view_->update();
}

void TApxPreviewWin::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closed_) closed_();
}

}  // namespace vantrel
