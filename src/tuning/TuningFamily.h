#pragma once

#include "model/SoftpotCatalogue.h"
#include "tuning/TuningData.h"

#include <memory>
#include <span>
#include <string_view>

namespace vantrel {

class TuningSession;
struct TuningContext;
struct TuningFamily;

using TuningSessionMaker = std::unique_ptr<TuningSession> (*)(const TuningFamily&, const TuningContext&);

// How a screen reaches the radio's transmitter.
enum class Keying {
    PttToggle,  // keyed and dekeyed by the technician; values go live only while keyed
    None,       // never keyed; every value goes live at once
};

// The texts of a screen's commit.
struct CommitTexts {
    std::string_view prompt;        // the confirmation question
    std::string_view abort;         // a value above the maximum
    std::string_view entry;         // an empty working value box
    std::string_view entryCaption;  // "ERROR" or "NOTE", as the screen has always said it
};

// One tuning screen: what the window commands, the views and the sessions need to know about
// it. The behaviour shared by all screens lives in TuningSession; a family that differs names a
// session class of its own in `session`.
struct TuningFamily {
    int kind;                      // the number the screen writes into openScreenKind
    int command;                   // the menu command that opens it
    std::string_view className;    // the screen's class name, as help and captions know it
    std::string_view windowTitle;  // given to the screen, never shown
    std::string_view caption;      // the frame around it
    bool applicationIcon;          // the frame carries the program's icon
    SoftpotFamily softpot;         // softpot, width, storage place, range and point rule
    Keying keying;
    int receivePoint;  // a fixed point whose receive value the channel takes; 0: its own
    TuningDataMaker data;
    TuningSessionMaker session;
    CommitTexts texts;
    bool capitalMismatch;        // spells "Serial No. Mismatch!!"
    bool alwaysInUse;            // tunes and commits even when its transmit point is unused
    bool reportsClosingFailure;  // says when the closing dekey or reset failed
    bool showsUnsentCommit;      // shows the committed text also when nothing could be sent

    const SoftpotFamilyRow& catalogue() const { return catalogueRow(softpot); }
};

// Every screen the window commands can open, in no particular order.
std::span<const TuningFamily> tuningFamilies();
// The screen of a kind; nullptr when no screen writes that kind.
const TuningFamily* tuningFamilyOfKind(int kind);
const TuningFamily* tuningFamilyOfCommand(int command);
const TuningFamily* tuningFamilyOfCaption(std::string_view caption);

// The groups the table is made of, one per kind of screen.
std::span<const TuningFamily> singleValueTransmitFamilies();
std::span<const TuningFamily> perFrequencyTransmitFamilies();
std::span<const TuningFamily> autoTuneFamilies();
std::span<const TuningFamily> paBiasFamilies();
// The mobile power tuning by K and M, the receive screens, the battery threshold and the DAC.
std::span<const TuningFamily> kAndMPowerFamilies();
std::span<const TuningFamily> receiveFamilies();
std::span<const TuningFamily> batteryAndDacFamilies();

}  // namespace vantrel
