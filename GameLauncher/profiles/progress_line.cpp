// The window side of the profile file: the progress line in progressLabel.
#include <FL/Fl_Button.H>

#include "core/launcher_window.h"
#include "profiles/profile_file.h"

void loadProfile() {
    loadProfileRecord();
    formatProgressText();
}

void formatProgressText() {
    writeProgressText();
    // label() also schedules the redraw of the line.
    if (progressLabel) progressLabel->label(progressText);
}
