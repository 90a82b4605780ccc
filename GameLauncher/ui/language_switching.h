// Relabelling the window when the player picks another language.
#pragma once

class Fl_Widget;

// Callback of languageChoice.
void onLanguageChosen(Fl_Widget* w, void* data);

// Sets every language-dependent text of the main window anew.
void relabelWindow();

// Volume items 0 and 5 in the language in force.
void relabelVolumeItems();

// The new-profile item of the profile choice in the language in force.
void relabelNewProfileItem();
