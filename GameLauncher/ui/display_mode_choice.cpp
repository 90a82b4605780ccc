#include "ui/display_mode_choice.h"

#include <FL/Fl_Choice.H>

#include "settings/display_modes.h"
#include "settings/launcher_settings.h"
#include "ui/launcher_window.h"

void buildModeLabels() {
    formatModeLabels();
    if (!modeChoice) return;
    // replace takes the text literally, so the "/" of "4/3" makes no submenu;
    // the selection stays as it is.
    for (int i = 0; i < MODE_COUNT; ++i) modeChoice->replace(i, modeLabels[i].text);
}

void onModeChosen(Fl_Widget* w, void*) {
    // value() is -1 without a selected item, which records mode 0.
    LauncherSettings::mode = static_cast<Fl_Choice*>(w)->value() + 1;
}
