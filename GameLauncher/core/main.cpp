// Start-up of the launcher, in its fixed order, then the Forms loop for the
// rest of the process.
#include <FL/forms.H>

#include <cstdio>

#include "core/launcher_window.h"
#include "core/screen.h"
#include "i18n/language_switching.h"
#include "platform/platform.h"
#include "profiles/new_profile_dialog.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "settings/config_file.h"
#include "settings/display_modes.h"
#include "settings/saved_settings.h"

int main(int argc, char** argv) {
    // Line-buffered, so that the console lines keep their order with the
    // game's own output even when standard output is a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    std::printf("Program start\n");
    platform::selectDisplay(argc, argv);
    readScreenSize();
    computeModeSizes();
    ConfigFile::instance()->load();
    scanProfiles();

    fl_initialize(&argc, argv, "Tarvelline", nullptr, 0);
    buildLauncherWindow();
    platform::minimiseConsole();

    if (ProfileList::count == 0) runNewProfileDialog();
    applySavedSettings();
    if (ProfileList::count >= 1) loadProfile();

    buildModeLabels();
    relabelVolumeItems();
    relabelNewProfileItem();

    fl_show_form(mainWindow, FL_PLACE_CENTER, FL_FULLBORDER, "Tarvelline (v1.0 Sept09)");
    for (;;) fl_do_forms();
}
