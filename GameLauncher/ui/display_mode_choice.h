// The display-mode choice: its localised items and the callback that records
// the pick.
#pragma once

class Fl_Widget;

// formatModeLabels, then puts the texts into modeChoice (Fl_Menu_::replace).
void buildModeLabels();

// Callback of modeChoice: records the picked mode.
void onModeChosen(Fl_Widget* w, void* data);
