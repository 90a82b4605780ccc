#include "ui/startup.h"

#include <FL/forms.H>

#include "platform/platform.h"
#include "platform/screen.h"
#include "profiles/profile_list.h"
#include "settings/config_file.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"
#include "ui/command_line.h"
#include "ui/display_mode_choice.h"
#include "ui/game_handoff.h"
#include "ui/gamepad_input.h"
#include "ui/input_watch.h"
#include "ui/language_switching.h"
#include "ui/launcher_window.h"
#include "ui/new_profile_dialog.h"
#include "ui/progress_line.h"
#include "ui/saved_settings.h"
#include "ui/scale.h"
#include "ui/window_hold.h"
#include "ui/window_icons.h"

void startLauncher(int& argc, char** argv) {
    const bool play = playSwitchGiven(argc, argv);
    platform::consoleLine("Program start");
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
    watchInput();
    platform::minimiseConsole();

    if (ProfileList::count == 0) runNewProfileDialog();
    const bool profileRestored = applySavedSettings();
    if (ProfileList::count >= 1) loadProfile();

    buildModeLabels();
    relabelVolumeItems();
    relabelNewProfileItem();

    // --play: what a press of Start Game on this window would do, without
    // showing it, when there is a saved profile to start with. The window
    // opens only when the game is held (settings not saved) or cannot start.
    if (play && profileRestored) {
        startGame(nullptr, nullptr);
        return;
    }
    showLauncherWindow();
    startWatchingGamepads();
}
