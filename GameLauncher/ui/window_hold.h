// The main window's one close policy, and the one place that shows it and
// holds it while the game starts and runs.
#pragma once

class Fl_Widget;

// The window's title.
constexpr const char* MAIN_WINDOW_TITLE = "Tarvelline (v1.0 Sept09)";

// Shows the main window, centred with its title, unless it is shown.
void showLauncherWindow();

// While the game starts and runs the window goes on being drawn but answers
// nothing: no pick, no link, no second Start, and closing it does not end
// the launcher before the game has. An open new-profile dialog is cancelled,
// so that no profile appears meanwhile.
void holdLauncherWindow();
void releaseLauncherWindow();
bool launcherWindowHeld();

// The main window's callback (its close box and Escape): nothing while it is
// held; status 1 while the button says the settings were not saved (the
// player asked for the game, which never ran with them); else the window
// closes, which ends the launcher with status 0.
void onLauncherWindowClosed(Fl_Widget* window, void* data);
