// Start Game: write the launch settings, build the game's settings file, run
// the game, wait for it and end the launcher.
#pragma once

class Fl_Widget;

// Callback of startButton; never returns.
void startGame(Fl_Widget* w, void* data);
