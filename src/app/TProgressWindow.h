#pragma once

#include "operations/ProgressSink.h"

#include <QBasicTimer>
#include <QWidget>

#include <filesystem>

class QLabel;
class QProgressBar;

namespace vantrel {

// The window that shows how far Read Radio or Program All has come: the title picture, a text
// line and a gauge. The operation runs on the interface thread, so each update lets the
// pending paint work run. From 96 % on, a 10 ms timer closes the window; a click on it closes
// it too once the gauge stands above 94. Closing only hides it: its owner may still report to
// it until the operation returns.
class TProgressWindow : public QWidget, public ProgressSink {
public:
    static constexpr int kWidth = 550;
    static constexpr int kHeight = 400;
    static constexpr int kClosingPercent = 94;  // the window may close above this
    static constexpr int kTimerFromPercent = 96;
    static constexpr int kCloseDelayMs = 10;

    // Without a readable picture the window shows the text line and the gauge alone: the
    // operation matters more than the logo.
    TProgressWindow(const QString& title, const std::filesystem::path& picture);
    ~TProgressWindow() override;

    void setText(const std::string& text) override;
    void setPercent(int percent) override;

    int percent() const;
    QString text() const;
    bool hasPicture() const { return hasPicture_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void letPaintRun();
    void closeIfDone();

    QLabel* picture_;
    QLabel* text_;
    QProgressBar* gauge_;
    QBasicTimer closeTimer_;
    bool hasPicture_ = false;
};

}  // namespace vantrel
