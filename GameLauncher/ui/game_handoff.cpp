#include "ui/game_handoff.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Window.H>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "i18n/language_tables.h"
#include "launch/launch_settings.h"
#include "platform/platform.h"
#include "ui/launcher_window.h"

namespace {

// The button shows the localised loading text, and it is drawn before the
// launcher blocks in the game.
void showLoading() {
    startButton->box(FL_PLASTIC_UP_BOX);
    startButton->label(localisedText(TXT_LOADING));
    Fl::redraw();
    Fl::flush();
}

void buildGameSettings() {
    std::string why;
    if (!writeLaunchSettings(LAUNCH_SETTINGS_PATH, why)) {
        std::fprintf(stderr, "Cannot write %s: %s\n", LAUNCH_SETTINGS_PATH, why.c_str());
    }
    if (!joinSettingsFiles(LAUNCH_SETTINGS_PATH, GAME_SETTINGS_PATH, JOINED_SETTINGS_PATH,
                           JOIN_TEMPORARY_PATH, why)) {
        std::fprintf(stderr, "Cannot build %s: %s\n", JOINED_SETTINGS_PATH, why.c_str());
    }
}

// The game never ran: say so on the Start button and keep the window until
// the player has read it and closes it. Picks made meanwhile could relabel
// the button or start again, so the choices and the button stop answering.
void showStartFailure(const std::string& why) {
    char message[256];
    std::snprintf(message, sizeof message, "Cannot start %s:\n%s", GAME_PROGRAM, why.c_str());
    startButton->copy_label(message);
    startButton->when(FL_WHEN_NEVER);
    for (Fl_Choice* choice : {modeChoice, languageChoice, profileChoice, volumeChoice}) {
        choice->deactivate();
    }
    Fl::redraw();
    while (mainWindow->shown()) Fl::wait();
}

}  // namespace

int handOffToGame() {
    std::printf("Starting Game\n");
    std::fflush(stdout);
    showLoading();
    buildGameSettings();

    std::printf("Loading game. Please wait...\n");
    std::fflush(stdout);
    platform::GameRun run = platform::runGameAndWait(GAME_PROGRAM);
    if (!run.started) {
        std::fprintf(stderr, "Cannot start the game %s: %s\n", GAME_PROGRAM, run.error.c_str());
        showStartFailure(run.error);
    }

    std::printf("Closing...\n");
    std::fflush(stdout);
    return run.started ? EXIT_SUCCESS : EXIT_FAILURE;
}

void startGame(Fl_Widget*, void*) { std::exit(handOffToGame()); }
