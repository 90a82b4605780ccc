// Start Game: write the launch settings, build the game's settings file, run
// the game, wait for it and end the launcher.
#pragma once

#include <optional>

class Fl_Widget;

// The game's executable, in the installation directory.
constexpr const char* GAME_PROGRAM = "1.exe";

// Callback of startButton: ends the process with the status handOffToGame
// gives, if it gives one.
void startGame(Fl_Widget* w, void* data);

// Everything one press of Start Game does. Gives the exit status once the
// launcher is to end: 0 when the game has run (whatever its own status),
// non-zero when it could not be started, after the player has seen why and
// closed the window. Gives none when the game's settings could not be saved:
// the button then says so and why, the window answers again, and the next
// new press starts the game however saving goes (closing the window instead
// ends the launcher with status 1); and none for a press that does not count
// as that next one.
std::optional<int> handOffToGame();
