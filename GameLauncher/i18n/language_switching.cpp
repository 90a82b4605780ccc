#include "i18n/language_switching.h"

void onLanguageChosen(Fl_Widget*, void*) {}
void relabelWindow() {}
void relabelVolumeItems() {}
void relabelNewProfileItem() {}
