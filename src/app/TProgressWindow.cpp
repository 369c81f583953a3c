#include "app/TProgressWindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QTimerEvent>
#include <QVBoxLayout>

namespace vantrel {

namespace {

// Shares of the height: the picture, the text line, the gauge.
constexpr int kPictureShare = 80;
constexpr int kLineShare = 10;

}  // namespace

TProgressWindow::TProgressWindow(const QString& title, const std::filesystem::path& picture)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      picture_(new QLabel(this)),
      text_(new QLabel(this)),
      gauge_(new QProgressBar(this)) {
    setWindowTitle(title);
    setFixedSize(kWidth, kHeight);
    setCursor(Qt::ArrowCursor);

    const QPixmap image(QString::fromStdString(picture.string()));
    hasPicture_ = !image.isNull();
    picture_->setAlignment(Qt::AlignCenter);
    if (hasPicture_) picture_->setPixmap(image);
    picture_->setFixedHeight(kHeight * kPictureShare / 100);
    text_->setAlignment(Qt::AlignCenter);
    text_->setFixedHeight(kHeight * kLineShare / 100);
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    gauge_->setFormat(QStringLiteral("%v%"));
    gauge_->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 0, 8, 8);
    layout->setSpacing(0);
    layout->addWidget(picture_);
    layout->addWidget(text_);
    layout->addWidget(gauge_);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - QPoint(kWidth / 2, kHeight / 2));
    }
}

TProgressWindow::~TProgressWindow() = default;

void TProgressWindow::setText(const std::string& text) {
    text_->setText(QString::fromStdString(text));
    letPaintRun();
}

void TProgressWindow::setPercent(int percent) {
    gauge_->setValue(percent < 0 ? 0 : (percent > 100 ? 100 : percent));
    if (percent >= kTimerFromPercent) closeTimer_.start(kCloseDelayMs, this);
    letPaintRun();
}

int TProgressWindow::percent() const { return gauge_->value(); }

QString TProgressWindow::text() const { return text_->text(); }

// Only painting and timers run meanwhile: a click or key meant for the main window must not
// start a second command in the middle of this one.
void TProgressWindow::letPaintRun() {
    if (isVisible()) repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TProgressWindow::closeIfDone() {
    if (percent() > kClosingPercent) close();
}

// The window holds the mouse while it is open, so clicks made during the operation land here
// and not on a menu or toolbar button that would start another one.
void TProgressWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    grabMouse();
}

void TProgressWindow::hideEvent(QHideEvent* event) {
    releaseMouse();
    QWidget::hideEvent(event);
}

void TProgressWindow::mousePressEvent(QMouseEvent* event) {
    closeIfDone();
    QWidget::mousePressEvent(event);
}

void TProgressWindow::timerEvent(QTimerEvent* event) {
    if (event->timerId() != closeTimer_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    if (percent() <= kClosingPercent) return;
    closeTimer_.stop();
    close();
}

}  // namespace vantrel
