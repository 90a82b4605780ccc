#include "settings/saved_settings.h"

void applySavedSettings() {}
void onVolumeChosen(Fl_Widget*, void*) {}
