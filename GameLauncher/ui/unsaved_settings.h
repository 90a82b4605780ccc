// After a press of Start Game whose settings could not be saved: the Start
// button says so and why, and the next new press starts the game anyway.
#pragma once

#include <string>

// The button says, in the language in force, that the settings were not
// saved, the system's `reason` and that pressing again starts anyway; the
// warning is drawn at once (the window shown if it was not).
void tellSettingsUnsaved(const std::string& reason);

// Whether the button says so.
bool settingsUnsaved();

// Whether the press being handled is one that starts the game anyway: made
// once the warning has been on screen for a second, so not the second click
// of a double-click nor a key's auto-repeat.
bool pressCountsAgain();

// Ends the state (the press that starts the game anyway); false when there
// was none.
bool leaveSettingsUnsaved();

// Labels the Start button in the language in force: "Start Game", or what
// it says while the settings are unsaved.
void relabelStartButton();

// Back to the start-up state (tests).
void resetUnsavedSettings();
