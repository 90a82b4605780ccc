// The profile choice: its items (the names, then the new-profile item), a
// pick of one, and the profiles the dialog adds.
#pragma once

#include <string>

class Fl_Widget;

// Makes the listed profile in `slot` the current one, selected and shown.
void selectProfile(int slot);

// Selects the item of the current profile, or the last listed one (none when
// the list is empty).
void selectCurrentProfileItem();

// Appends `text` as a profile, selects it and loads it, once its file is
// there: an existing one is kept, a missing one created. A text that cannot
// name a profile file, a full list or a file that can be neither read nor
// created adds nothing; false then, with the reason in `why`.
bool addProfile(const char* text, std::string& why);

// Fills the emptied profile choice: the names, then the new-profile item.
void rebuildProfileChoice();

// Callback of profileChoice: switches profile or opens the dialog.
void onProfileChosen(Fl_Widget* w, void* data);
