#pragma once

#include <string>

namespace vantrel {

class MessageInteraction;
class radioStorage;
namespace messages {
struct Notice;
}

enum class TempCompMode { Write = 0, Read = 1 };

// What the temperature compensation window does, without widgets: in read mode it fetches the
// four bytes from the radio when it opens and shows them as eight hexadecimal digits; in write
// mode it programs eight digits into the radio. Neither mode compares serial numbers.
class TempCompSession {
public:
    static constexpr int kReadKind = 39;
    static constexpr int kWriteKind = 40;
    static constexpr std::size_t kDigits = 8;

    static int kindOf(TempCompMode mode) { return mode == TempCompMode::Read ? kReadKind : kWriteKind; }
    // The opening rule of the two commands, which differs from the other windows': nothing when
    // the window may open, else whether it is already open (do nothing) or what to say.
    enum class Opening { Open, AlreadyOpen, Refused };
    static Opening opening(int openScreenKind, TempCompMode mode);
    static const messages::Notice& refusal(TempCompMode mode);

    // The opening command has already written the window's kind. In read mode the bytes are
    // read now; a failure is told and the kind falls back to 0.
    TempCompSession(radioStorage& storage, MessageInteraction& ui, int& openScreenKind, TempCompMode mode);
    ~TempCompSession();
    TempCompSession(const TempCompSession&) = delete;
    TempCompSession& operator=(const TempCompSession&) = delete;

    TempCompMode mode() const { return mode_; }
    // The entry field's text: the stored bytes in read mode, nothing in write mode.
    std::string displayText() const;
    static bool acceptsCharacter(char c);
    // The Program button of write mode.
    void program(const std::string& text);

private:
    // The action as the service log names it.
    static constexpr const char* kServiceAction = "Temp Comp Data Write";
    void read();

    radioStorage& storage_;
    MessageInteraction& ui_;
    int& openScreenKind_;
    TempCompMode mode_;
};

}  // namespace vantrel
