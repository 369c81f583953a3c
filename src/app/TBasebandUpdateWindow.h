#pragma once

#include "operations/MessageInteraction.h"
#include "utilities/BasebandUpdateSession.h"

#include <QWidget>

#include <array>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vantrel {

class Interaction;

// The baseband offset window: the channel spacing buttons, one row per parameter with its tone
// list and default field, and Update. A view over BasebandUpdateSession, which it redraws after
// every action.
class TBasebandUpdateWindow : public QWidget {
public:
    static constexpr int kSpacingButtonId = 3101;  // 3101..3103
    static constexpr int kListId = 4100;           // 4100 + i
    static constexpr int kDefaultId = 4200;        // 4200 + i
    static constexpr int kUpdateId = 7116;

    TBasebandUpdateWindow(radioStorage& storage, Interaction& ui, int& openScreenKind,
                          BasebandUpdateSession::ReadRadio readRadio, QWidget* parent = nullptr);

    BasebandUpdateSession& session() { return session_; }
    QComboBox* list(int i) const { return lists_.at(static_cast<std::size_t>(i)); }
    QLineEdit* defaultField(int i) const { return defaults_.at(static_cast<std::size_t>(i)); }
    QRadioButton* spacingButton(int row) const { return spacing_.at(static_cast<std::size_t>(row)); }
    QPushButton* updateButton() const { return update_; }
    QSize sizeHint() const override;

private:
    // Hands every message on, with the hourglass of an Update taken away first.
    class CursorReleasingInteraction : public MessageInteraction {
    public:
        explicit CursorReleasingInteraction(MessageInteraction& inner) : inner_(inner) {}
        MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override;
        void showHourglass();
        void restoreCursor();

    private:
        MessageInteraction& inner_;
        bool hourglass_ = false;
    };

    void buildSpacingButtons();
    void buildParameterRow(int i);
    void showRow(int row);
    void chosen(int i);
    void update();
    void redraw();

    CursorReleasingInteraction ui_;
    BasebandUpdateSession session_;
    std::array<QRadioButton*, BasebandUpdateSession::kSpacings> spacing_{};
    std::vector<QComboBox*> lists_;
    std::vector<QLineEdit*> defaults_;
    QPushButton* update_ = nullptr;
};

}  // namespace vantrel
