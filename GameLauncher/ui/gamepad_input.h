// Game controllers drive the windows as the keyboard does: the D-pad and the
// left stick are the arrow keys (a held direction repeats), A is Return on
// the focused widget (in an open menu it picks, in the dialog it presses OK),
// B is Escape, Start (Menu) presses Start Game.
#pragma once

// Starts looking for controllers, a moment after the first window is drawn:
// nothing is loaded or searched before. Then every 2 s for ones plugged in;
// a connected one is read as it reports (Linux) or 60 times a second
// (Windows). Later calls do nothing.
void startWatchingGamepads();

// Stops, closes every controller and forgets the state (tests).
void stopWatchingGamepads();
