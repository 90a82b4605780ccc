#include "ui/window_hold.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/forms.H>

#include <array>
#include <cstdlib>

#include "ui/launcher_window.h"
#include "ui/new_profile_dialog.h"
#include "ui/unsaved_settings.h"

namespace {

bool held = false;

// What the player can act on in the main window, besides the Start button.
std::array<Fl_Widget*, 8> inputWidgets() {
    return {modeChoice, languageChoice, profileChoice, volumeChoice,
            mailLink,   websiteLink,    usShopLink,    europeShopLink};
}

}  // namespace

void showLauncherWindow() {
    if (!mainWindow->shown()) {
        fl_show_form(mainWindow, FL_PLACE_CENTER, FL_FULLBORDER, MAIN_WINDOW_TITLE);
    }
}

void holdLauncherWindow() {
    held = true;
    for (Fl_Widget* widget : inputWidgets()) widget->deactivate();
    // Output only rather than inactive: the button takes no click, yet its
    // text keeps its full contrast.
    startButton->set_output();
    cancelNewProfileDialog();
}

void releaseLauncherWindow() {
    held = false;
    for (Fl_Widget* widget : inputWidgets()) widget->activate();
    startButton->clear_output();
}

bool launcherWindowHeld() { return held; }

void onLauncherWindowClosed(Fl_Widget* window, void*) {
    if (held) return;
    if (settingsUnsaved()) std::exit(EXIT_FAILURE);
    // As the toolkit's own window callback: the window closes, and the Forms
    // loop ends the process once no window is left.
    window->hide();
}
