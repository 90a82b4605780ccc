#include "ui/game_handoff.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Window.H>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "i18n/language_tables.h"
#include "launch/launch_settings.h"
#include "platform/platform.h"
#include "ui/label_change.h"
#include "ui/launcher_window.h"
#include "ui/unsaved_settings.h"
#include "ui/window_hold.h"

namespace {

// How long the toolkit may wait for events before the game is looked at
// again: the launcher ends at most this long after the game.
const double GAME_POLL_SECONDS = 0.05;

// The button shows the localised loading text, drawn before the launcher
// goes on; the window answers nothing meanwhile.
void showLoading() {
    holdLauncherWindow();
    startButton->box(FL_PLASTIC_UP_BOX);
    // The button's texts other than "Start Game" may run longer than it is
    // wide (a reason in the system's words, a long translation): they wrap,
    // and shrink until they fit.
    changeLabelToFit(startButton, localisedText(TXT_LOADING), FL_NORMAL_SIZE);
    Fl::redraw();
    Fl::flush();
}

// config.ini is joined from the launch settings in memory, so it carries
// this start's picks even when config_launch.ini cannot be written (the game
// reads only config.ini). False, with the reason, when config.ini could not
// take them.
bool buildGameSettings(FileFailure& why) {
    if (!writeLaunchSettings(LAUNCH_SETTINGS_PATH, why)) {
        std::fprintf(stderr, "Cannot write %s: %s\n", LAUNCH_SETTINGS_PATH, why.text().c_str());
    }
    if (!joinSettingsFiles(launchSettingsText(), GAME_SETTINGS_PATH, JOINED_SETTINGS_PATH, why)) {
        std::fprintf(stderr, "Cannot build %s: %s\n", JOINED_SETTINGS_PATH, why.text().c_str());
        return false;
    }
    return true;
}

// The toolkit handles its events while the game runs, so the window is
// repainted where other windows uncover it and, on Windows, keeps answering
// the system (drawing there reaches the screen only while messages are
// handled).
void waitForGame(platform::GameRun& run) {
    while (!platform::gameHasEnded(run)) Fl::wait(GAME_POLL_SECONDS);
}

// The game never ran: say so on the Start button, in the player's language
// with the system's reason as the system gives it, and keep the window until
// the player has read it and closes it. Picks made meanwhile could relabel
// the button or start again, so the choices and the button stop answering.
void showStartFailure(const std::string& why) {
    releaseLauncherWindow();
    char message[512];
    std::snprintf(message, sizeof message, localisedText(TXT_CANNOT_START), GAME_PROGRAM,
                  why.c_str());
    changeLabelToFit(startButton, message, FL_NORMAL_SIZE);
    startButton->when(FL_WHEN_NEVER);
    for (Fl_Choice* choice : {modeChoice, languageChoice, profileChoice, volumeChoice}) {
        choice->deactivate();
    }
    showLauncherWindow();
    Fl::redraw();
    while (mainWindow->shown()) Fl::wait();
}

}  // namespace

std::optional<int> handOffToGame() {
    if (settingsUnsaved() && !pressCountsAgain()) return std::nullopt;
    platform::consoleLine("Starting Game");
    const bool pressedAgain = leaveSettingsUnsaved();
    showLoading();
    FileFailure why;
    if (!buildGameSettings(why) && !pressedAgain) {
        // The game would start with other settings than the window shows: it
        // does not start yet; meanwhile the choices answer again.
        releaseLauncherWindow();
        tellSettingsUnsaved(why.reason);
        return std::nullopt;
    }

    platform::consoleLine("Loading game. Please wait...");
    platform::GameRun run = platform::spawnGame(GAME_PROGRAM);
    if (!run.started) {
        std::fprintf(stderr, "Cannot start the game %s: %s\n", GAME_PROGRAM, run.error.c_str());
        showStartFailure(run.error);
    } else {
        waitForGame(run);
        releaseLauncherWindow();
    }

    platform::consoleLine("Closing...");
    return run.started ? EXIT_SUCCESS : EXIT_FAILURE;
}

void startGame(Fl_Widget*, void*) {
    if (std::optional<int> status = handOffToGame()) std::exit(*status);
}
