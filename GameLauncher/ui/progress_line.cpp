#include "ui/progress_line.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include "profiles/profile_file.h"
#include "ui/label_change.h"
#include "ui/launcher_window.h"
#include "ui/scale.h"
#include "ui/text_fit.h"

namespace {

// Below this (at 96 dpi) the line is no longer read at a glance.
const int SMALLEST_SIZE = 10;
// Kept clear at the panel's sides (at 96 dpi).
const int PANEL_MARGIN = 2;

// The line stays in the gap between the profile and volume choices, between
// the picture and the window's right edge: centred in its own box while it
// fits there, else across that whole panel, smaller (down to SMALLEST_SIZE)
// and, still too long, on two lines.
void layOutProgressLine() {
    const ScaledBox box = scaledBox(PROGRESS_BOX.x, PROGRESS_BOX.y, PROGRESS_BOX.w, PROGRESS_BOX.h);
    const int panelLeft = pictureButton->x() + pictureButton->w();
    const int panelRight = mainWindow->w();
    fl_font(progressLabel->labelfont(), FL_NORMAL_SIZE);
    int textW = 0, textH = 0;
    fl_measure(progressText, textW, textH, 0);
    // As the toolkit centres it in the box.
    const int left = box.x + (box.w - textW) / 2;
    if (left >= panelLeft && left + textW <= panelRight) {
        progressLabel->resize(box.x, box.y, box.w, box.h);
        progressLabel->labelsize(FL_NORMAL_SIZE);
        progressLabel->align(FL_ALIGN_CENTER);
        return;
    }
    const int x = panelLeft + scaled(PANEL_MARGIN), w = panelRight - scaled(PANEL_MARGIN) - x;
    const int y = profileChoice->y() + profileChoice->h(), h = volumeChoice->y() - y;
    Fl_Align align = FL_ALIGN_CENTER;
    int size = largestFittingSize(progressText, progressLabel->labelfont(), FL_NORMAL_SIZE,
                                  scaled(SMALLEST_SIZE), w, h);
    if (!size) {
        align |= FL_ALIGN_WRAP;
        size = largestFittingSize(progressText, progressLabel->labelfont(), FL_NORMAL_SIZE,
                                  scaled(SMALLEST_SIZE), w, h, true);
    }
    if (!size) {
        align |= FL_ALIGN_CLIP;
        size = scaled(SMALLEST_SIZE);
    }
    progressLabel->resize(x, y, w, h);
    progressLabel->labelsize(size);
    progressLabel->align(align);
}

}  // namespace

void loadProfile() {
    loadProfileRecord();
    formatProgressText();
}

void formatProgressText() {
    // The line is the buffer itself: its old text must be measured before
    // the buffer is rewritten.
    repaintLabelArea(progressLabel);
    writeProgressText();
    if (!progressLabel) return;
    progressLabel->label(progressText);
    layOutProgressLine();
    repaintLabelArea(progressLabel);
}
