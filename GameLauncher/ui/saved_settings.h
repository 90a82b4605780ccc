// Restoring the choices saved by the last Start Game, and the volume choice.
#pragma once

class Fl_Widget;

// Selects the saved profile, display mode, language and volume in the four
// choices and stores them in LauncherSettings and currentProfileName.
void applySavedSettings();

// Callback of volumeChoice: records the picked volume.
void onVolumeChosen(Fl_Widget* w, void* data);
