#pragma once

#include <stdexcept>
#include <string>

namespace vantrel {

class MessageInteraction;
class radioOperations;
class radioStorage;
class cominit;

// Another radio than the one read is on the line when the serial number window opens; the
// opening command asks whether to read it.
class RadioChangedError : public std::runtime_error {
public:
    RadioChangedError();
};

// What the serial number window does, without widgets: the opening check that the stored radio
// is on the line, and programming a new ten-character serial number with or without that check.
class SerialProgramSession {
public:
    static constexpr int kKind = 30;
    static constexpr std::size_t kSerialLength = 10;

    // Runs the opening check; RadioChangedError when another radio answers, and the window is
    // not to be made. Any other failure is told, and the window opens all the same.
    SerialProgramSession(radioStorage& storage, radioOperations& operations, MessageInteraction& ui,
                         int& openScreenKind);
    ~SerialProgramSession();
    SerialProgramSession(const SerialProgramSession&) = delete;
    SerialProgramSession& operator=(const SerialProgramSession&) = delete;

    // The characters the entry field takes.
    static bool acceptsCharacter(char c);
    // Whether a text could have come out of the entry field.
    static bool acceptsText(const std::string& text);

    // The Update button: the serial check, then the write.
    void update(const std::string& text);
    // Enter in the entry field: the write without the serial check.
    void quickUpdate(const std::string& text);

private:
    // The action as the service log names it.
    static constexpr const char* kServiceAction = "Program Serial No.";
    void writeSerialNumber(const std::string& text, cominit& conn);
    bool entryRefused(const std::string& text);

    radioStorage& storage_;
    radioOperations& operations_;
    MessageInteraction& ui_;
    int& openScreenKind_;
};

}  // namespace vantrel
