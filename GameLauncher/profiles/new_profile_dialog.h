// The dialog that creates a profile, and the profile choice.
#pragma once

class Fl_Widget;

// Opens the new-profile dialog and waits until it is closed.
void runNewProfileDialog();

void onNewProfileOk(Fl_Widget* w, void* data);
void onNewProfileDone(Fl_Widget* w, void* data);

// Appends `text` as a profile, selects it and loads it.
void addProfile(const char* text);

// Fills the emptied profile choice: the names, then the new-profile item.
void rebuildProfileChoice();

// Callback of profileChoice: switches profile or opens the dialog.
void onProfileChosen(Fl_Widget* w, void* data);
