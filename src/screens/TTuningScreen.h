#pragma once

#include "screens/ScreenLayout.h"

#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace vantrel {

class MessageInteraction;
class TTunerEditBox;
class TUpDownControl;
class TuningSession;

// The view of a tuning screen: value rows laid out from its session's rows, the buttons and the
// status field. Every event goes to the session, and the view shows the session's state after
// it. The screen's session prepares the radio when the view is built and closes it when the view
// goes.
class TTuningScreen : public QWidget {
public:
    TTuningScreen(QWidget* parent, std::unique_ptr<TuningSession> session, const ScreenLayout& layout,
                  MessageInteraction& ui);
    ~TTuningScreen() override;

    TuningSession& session() { return *session_; }
    // The frame sizes itself to this: the screen's fixed size.
    QSize sizeHint() const override { return minimumSize(); }
    // A control by its identifier (3000, 4000, 7001, ...); nullptr when the screen has none.
    QWidget* control(int id) const;

    struct RowControls {
        QLineEdit* frequency;
        QLineEdit* defaultValue;
        QScrollBar* slider;
        TTunerEditBox* box;
        TUpDownControl* upDown;
    };
    const std::vector<RowControls>& rowControls() const { return rows_; }

protected:
    // Shows the session's state; after a display setup also the stored values in the controls.
    // A derived view calls it after its own events and extends it for its own controls.
    virtual void refresh();
    // Controls for the views that add their own.
    QLabel* label(const QString& text, const QRect& geometry);
    // A display-only field, created disabled.
    QLineEdit* displayField(int id, const QRect& geometry);
    QPushButton* button(const QString& text, int id, const QRect& geometry);

private:
    void buildRow(int index, int count, const ScreenLayout& layout, MessageInteraction& ui);
    void buildButtons(const ScreenLayout& layout, int rowCount);
    void connectRow(int index);
    void showDisplay();
    std::vector<std::string> boxTexts() const;

    std::unique_ptr<TuningSession> session_;
    std::vector<RowControls> rows_;
    QLineEdit* status_ = nullptr;
    QLabel* rangeNote_ = nullptr;
    int shownGeneration_ = -1;
};

}  // namespace vantrel
