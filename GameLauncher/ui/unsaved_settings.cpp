#include "ui/unsaved_settings.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>

#include <cstdio>

#include "i18n/language_tables.h"
#include "ui/input_watch.h"
#include "ui/label_change.h"
#include "ui/launcher_window.h"
#include "ui/window_hold.h"

namespace {

// How long the warning is on screen before a press counts: longer than a
// double-click and than a key's delay before it repeats.
const double READING_SECONDS = 1.0;

bool unsaved = false;
bool readable = false;
std::string unsavedReason;

void warningRead(void*) { readable = true; }

}  // namespace

void tellSettingsUnsaved(const std::string& reason) {
    unsaved = true;
    readable = false;
    unsavedReason = reason;
    startButton->box(FL_PLASTIC_DOWN_BOX);
    relabelStartButton();
    showLauncherWindow();
    Fl::redraw();
    Fl::flush();
    Fl::remove_timeout(warningRead);
    Fl::add_timeout(READING_SECONDS, warningRead);
}

bool settingsUnsaved() { return unsaved; }

bool pressCountsAgain() { return unsaved && readable && !keyIsRepeat(); }

bool leaveSettingsUnsaved() {
    if (!unsaved) return false;
    resetUnsavedSettings();
    return true;
}

void relabelStartButton() {
    if (!unsaved) {
        changeLabel(startButton, localisedText(TXT_START_GAME));
        return;
    }
    char message[512];
    std::snprintf(message, sizeof message, localisedText(TXT_SETTINGS_NOT_SAVED),
                  unsavedReason.c_str());
    changeLabelToFit(startButton, message, FL_NORMAL_SIZE);
}

void resetUnsavedSettings() {
    Fl::remove_timeout(warningRead);
    unsaved = readable = false;
    unsavedReason.clear();
}
