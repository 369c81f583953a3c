#pragma once

namespace vantrel {

class TTuningScreen;
class TVantrelMDIClient;
struct TuningFamily;

// Hooks the Tx Align and Rx Align commands into the client: every screen of the family table,
// and the PA bias commands with their questions.
void installTuningCommands(TVantrelMDIClient& client);

// Opens the screen of a family in a child frame, by the one-window rule: nothing when it is
// open already, a note when another window is. A screen whose opening exchange failed, or that
// the loaded image may not tune, is closed again at once.
void openTuningScreen(TVantrelMDIClient& client, const TuningFamily& family);
// The two halves of opening: the screen built (its opening exchange runs now), then shown in
// its frame, or closed again at once when it may not stay.
TTuningScreen* makeTuningScreen(TVantrelMDIClient& client, const TuningFamily& family);
void frameTuningScreen(TVantrelMDIClient& client, TTuningScreen* screen, const TuningFamily& family);

// The one-window rule: true when a window is open (and, unless it is of `ownKind`, the note
// saying so was shown), so the command ends.
bool windowStillOpen(TVantrelMDIClient& client, int ownKind);

}  // namespace vantrel
