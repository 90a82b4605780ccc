// Start Game: write the launch settings, build the game's settings file, run
// the game, wait for it and end the launcher.
#pragma once

class Fl_Widget;

// The game's executable, in the installation directory.
constexpr const char* GAME_PROGRAM = "1.exe";

// Callback of startButton; never returns: it ends the process with the
// status handOffToGame gives.
void startGame(Fl_Widget* w, void* data);

// Everything Start Game does before the process ends; gives the exit
// status: 0 once the game has run (whatever its own status), non-zero when
// it could not be started, after the player has seen why and closed the
// window.
int handOffToGame();
