// Restoring the choices saved by the last Start Game, and the volume choice.
#pragma once

class Fl_Widget;

// Selects the saved profile, display mode and volume in their choices and
// stores them in LauncherSettings and currentProfileName. True when the
// saved name is that of a listed profile, which is now the current one.
bool applySavedSettings();

// Callback of volumeChoice: records the picked volume.
void onVolumeChosen(Fl_Widget* w, void* data);
