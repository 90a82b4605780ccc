#include "ui/progress_line.h"

#include <FL/Fl_Button.H>

#include "profiles/profile_file.h"
#include "ui/launcher_window.h"

void loadProfile() {
    loadProfileRecord();
    formatProgressText();
}

void formatProgressText() {
    writeProgressText();
    // label() also schedules the redraw of the line.
    if (progressLabel) progressLabel->label(progressText);
}
