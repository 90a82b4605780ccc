// The dialog that creates a profile, and the profile choice.
#pragma once

class Fl_Widget;
class Fl_Input;

// The dialog's hint line, under the name: why a name was refused or its
// profile file not made, in one line of this label size, or smaller where the
// scaled font would be taller than the scaled line.
constexpr int HINT_X = 16, HINT_Y = 75, HINT_W = 268, HINT_H = 13;
constexpr int HINT_LABEL_SIZE = 10;

// The hint's label size at the scale in force.
int hintLabelSize();

// The prompt wraps into the room above the name field, at this label size or
// smaller (to 8, at 96 dpi) where the language in force words it longer: at
// the toolkit's usual 14 its three lines are taller than that room.
constexpr int PROMPT_W = 268, PROMPT_H = 50;
constexpr int PROMPT_LABEL_SIZE = 12, SMALLEST_DIALOG_TEXT = 8;

// The prompt's label size at the scale and in the language in force.
int promptLabelSize();

// Dialog state, meaningful while a dialog runs.
extern Fl_Input* newProfileInput;
extern int newProfileDone;
// Set when OK made a profile current: a new one, or a listed one of that name.
extern bool newProfileCreated;

// Opens the new-profile dialog and waits until it is closed. While one is
// open, a further call only brings it to the front.
void runNewProfileDialog();

// The open dialog's window, or null.
Fl_Widget* openNewProfileDialog();

// Gives the open dialog's name field the keyboard focus.
void focusProfileName();

// Fills the open dialog's empty name field with a suggested name, selected:
// the localised word for player and the lowest number no listed profile has.
void suggestProfileName();

// Closes an open dialog as its cancel button does.
void cancelNewProfileDialog();

void onNewProfileOk(Fl_Widget* w, void* data);
void onNewProfileDone(Fl_Widget* w, void* data);
