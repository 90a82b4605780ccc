#include "ui/startup.h"

#include <FL/forms.H>

#include <cstdio>

#include "platform/platform.h"
#include "platform/screen.h"
#include "profiles/profile_list.h"
#include "settings/config_file.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"
#include "ui/display_mode_choice.h"
#include "ui/enter_key.h"
#include "ui/language_switching.h"
#include "ui/launcher_window.h"
#include "ui/new_profile_dialog.h"
#include "ui/progress_line.h"
#include "ui/saved_settings.h"
#include "ui/scale.h"
#include "ui/window_icons.h"

void startLauncher(int& argc, char** argv) {
    std::printf("Program start\n");
    platform::selectDisplay(argc, argv);
    readScreenSize();
    chooseUiScale(MAIN_WINDOW_W, MAIN_WINDOW_H);
    computeModeSizes();
    ConfigFile::instance()->load();
    // Everything shown from here on, the first-profile dialog included, is in
    // the saved language or the system's.
    LauncherSettings::chooseStartLanguage();
    scanProfiles();

    fl_initialize(&argc, argv, "Tarvelline", nullptr, 0);
    setWindowIcons();
    buildLauncherWindow();
    handleEnterKey();
    platform::minimiseConsole();

    if (ProfileList::count == 0) runNewProfileDialog();
    applySavedSettings();
    if (ProfileList::count >= 1) loadProfile();

    buildModeLabels();
    relabelVolumeItems();
    relabelNewProfileItem();

    fl_show_form(mainWindow, FL_PLACE_CENTER, FL_FULLBORDER, "Tarvelline (v1.0 Sept09)");
}
