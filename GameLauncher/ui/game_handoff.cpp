#include "ui/game_handoff.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Window.H>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "i18n/language_tables.h"
#include "launch/launch_settings.h"
#include "platform/platform.h"
#include "ui/label_change.h"
#include "ui/launcher_window.h"
#include "ui/new_profile_dialog.h"

namespace {

// How long the toolkit may wait for events before the game is looked at
// again: the launcher ends at most this long after the game.
const double GAME_POLL_SECONDS = 0.05;

// What the player can act on in the main window, besides the Start button.
std::array<Fl_Widget*, 8> inputWidgets() {
    return {modeChoice, languageChoice, profileChoice, volumeChoice,
            mailLink,   websiteLink,    usShopLink,    europeShopLink};
}

void ignoreClose(Fl_Widget*, void*) {}

Fl_Callback* heldWindowCallback = nullptr;

// Set by a press whose settings could not be saved, until the next press:
// the button says so, with the system's reason.
bool settingsUnsaved = false;
std::string unsavedReason;
Fl_Callback* windowCallbackBeforeUnsaved = nullptr;

// While the game starts and runs, the window goes on being drawn but answers
// nothing: no second Start, no pick, no link, and closing it (close box or
// Escape) does not end the launcher before the game has ended. An open
// new-profile dialog is cancelled, so that no profile appears meanwhile.
void holdInput() {
    for (Fl_Widget* widget : inputWidgets()) widget->deactivate();
    // Output only rather than inactive: the button takes no click, yet the
    // loading text keeps its full contrast.
    startButton->set_output();
    heldWindowCallback = mainWindow->callback();
    mainWindow->callback(ignoreClose, nullptr);
    cancelNewProfileDialog();
}

void releaseInput() {
    for (Fl_Widget* widget : inputWidgets()) widget->activate();
    startButton->clear_output();
    if (heldWindowCallback) mainWindow->callback(heldWindowCallback, nullptr);
}

// The button's texts other than "Start Game" may run longer than it is wide
// (a reason in the system's words, a long translation): they wrap, and shrink
// until they fit.
void labelStartButton(const char* text) { changeLabelToFit(startButton, text, FL_NORMAL_SIZE); }

// The button shows the localised loading text, drawn before the launcher
// goes on.
void showLoading() {
    holdInput();
    startButton->box(FL_PLASTIC_UP_BOX);
    labelStartButton(localisedText(TXT_LOADING));
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

// Closing the window while it says the settings were not saved ends the
// launcher as a game that could not be started does.
void closeWithSettingsUnsaved(Fl_Widget*, void*) { std::exit(EXIT_FAILURE); }

// The game would start with other settings than the window shows: it does
// not start yet. The button says why and that a further press starts the
// game all the same; meanwhile the choices answer again.
void tellSettingsUnsaved(const std::string& reason) {
    releaseInput();
    settingsUnsaved = true;
    unsavedReason = reason;
    startButton->box(FL_PLASTIC_DOWN_BOX);
    relabelStartButton();
    windowCallbackBeforeUnsaved = mainWindow->callback();
    mainWindow->callback(closeWithSettingsUnsaved, nullptr);
    Fl::redraw();
}

// A press after that: the game starts whatever saving gives. True when the
// settings of the press before could not be saved.
bool leaveSettingsUnsaved() {
    if (!settingsUnsaved) return false;
    settingsUnsaved = false;
    mainWindow->callback(windowCallbackBeforeUnsaved, nullptr);
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
    releaseInput();
    char message[512];
    std::snprintf(message, sizeof message, localisedText(TXT_CANNOT_START), GAME_PROGRAM,
                  why.c_str());
    labelStartButton(message);
    startButton->when(FL_WHEN_NEVER);
    for (Fl_Choice* choice : {modeChoice, languageChoice, profileChoice, volumeChoice}) {
        choice->deactivate();
    }
    Fl::redraw();
    while (mainWindow->shown()) Fl::wait();
}

}  // namespace

void relabelStartButton() {
    if (!settingsUnsaved) {
        changeLabel(startButton, localisedText(TXT_START_GAME));
        return;
    }
    char message[512];
    std::snprintf(message, sizeof message, localisedText(TXT_SETTINGS_NOT_SAVED),
                  unsavedReason.c_str());
    labelStartButton(message);
}

std::optional<int> handOffToGame() {
    std::printf("Starting Game\n");
    std::fflush(stdout);
    const bool pressedAgain = leaveSettingsUnsaved();
    showLoading();
    FileFailure why;
    if (!buildGameSettings(why) && !pressedAgain) {
        tellSettingsUnsaved(why.reason);
        return std::nullopt;
    }

    std::printf("Loading game. Please wait...\n");
    std::fflush(stdout);
    platform::GameRun run = platform::spawnGame(GAME_PROGRAM);
    if (!run.started) {
        std::fprintf(stderr, "Cannot start the game %s: %s\n", GAME_PROGRAM, run.error.c_str());
        showStartFailure(run.error);
    } else {
        waitForGame(run);
        releaseInput();
    }

    std::printf("Closing...\n");
    std::fflush(stdout);
    return run.started ? EXIT_SUCCESS : EXIT_FAILURE;
}

void startGame(Fl_Widget*, void*) {
    if (std::optional<int> status = handOffToGame()) std::exit(*status);
}
