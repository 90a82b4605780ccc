#include "ui/progress_line.h"

#include <FL/Fl_Button.H>

#include "profiles/profile_file.h"
#include "ui/label_change.h"
#include "ui/launcher_window.h"

void loadProfile() {
    loadProfileRecord();
    formatProgressText();
}

void formatProgressText() {
    // The line is the buffer itself: its old text must be measured before
    // the buffer is rewritten.
    repaintLabelArea(progressLabel);
    writeProgressText();
    if (progressLabel) changeLabel(progressLabel, progressText);
}
