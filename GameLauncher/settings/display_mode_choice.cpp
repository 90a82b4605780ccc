#include "settings/display_modes.h"

void buildModeLabels() {}
void onModeChosen(Fl_Widget*, void*) {}
