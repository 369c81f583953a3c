#pragma once

#include "model/codeplugAccess.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace vantrel {

class MessageInteraction;
class radioStorage;

// What the baseband offset window does, without widgets. The offsets of the three channel
// spacings come from the radio's own registers (radio mode) or from a table block of its
// codeplug named by the configuration (file mode); the technician picks tone codes per
// parameter and Update writes them back.
class BasebandUpdateSession {
public:
    static constexpr int kKind = 31;
    static constexpr int kSpacings = 3;
    static constexpr int kMaxParameters = 20;

    // Asks for a new radio read when another radio is found on the line.
    using ReadRadio = std::function<void()>;

    // Opens as the window does: kind 31, then the values from the radio. A failure is told and
    // leaves the kind at 0, which closes the window again.
    BasebandUpdateSession(radioStorage& storage, MessageInteraction& ui, int& openScreenKind, ReadRadio readRadio);
    ~BasebandUpdateSession();
    BasebandUpdateSession(const BasebandUpdateSession&) = delete;
    BasebandUpdateSession& operator=(const BasebandUpdateSession&) = delete;

    bool radioMode() const;
    int parameterCount() const;
    std::string parameterName(int i) const;
    std::string radioTypeText() const;
    std::string primarySystemText() const;

    int shownRow() const { return shownRow_; }
    // False when the row is already shown (or no row at all).
    bool showRow(int row);
    std::uint8_t current(int row, int i) const { return current_.at(checked(row)).at(checked(i, kMaxParameters)); }
    std::uint8_t defaultValue(int row, int i) const {
        return defaults_.at(checked(row)).at(checked(i, kMaxParameters));
    }
    std::string currentText(int i) const;
    std::string defaultText(int i) const;

    // A tone chosen in list i of the shown row; in file mode the block copy changes at once.
    void choose(int i, const std::string& text);
    void update();

    bool editError() const { return editError_; }
    std::uint16_t codeplugSum() const { return sum_; }
    const codeplugAccess& block() const { return block_; }

private:
    // The action as the service log names it.
    static constexpr const char* kServiceAction = "Baseband Offset Update";
    using Table = std::array<std::array<std::uint8_t, kMaxParameters>, kSpacings>;

    static std::size_t checked(int index, int limit = kSpacings);
    void open();
    bool openFromRegisters();
    bool openFromCodeplug();
    bool serialMismatch(EnhancedZIRK& conn);
    void updateRegisters(EnhancedZIRK& conn);
    bool updateCodeplug(EnhancedZIRK& conn);
    bool editBlock(int row, int i, std::uint8_t code);

    radioStorage& storage_;
    MessageInteraction& ui_;
    int& openScreenKind_;
    ReadRadio readRadio_;
    codeplugAccess block_;
    std::uint16_t sum_ = 0;
    Table current_{};
    Table defaults_{};
    int shownRow_ = -1;
    bool editError_ = false;
};

}  // namespace vantrel
