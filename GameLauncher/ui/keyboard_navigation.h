// The window by keyboard and game controller: the focus order (the four
// choices, Start Game, the links left to right), the keys that move and use
// the focus, and the frame that shows it to those who use it.
#pragma once

class Fl_Widget;
class Fl_Window;

// Whether the key event is Return or the keypad's Enter, without a modifier.
bool isEnterKey();

// A key pressed in the main window (no menu open): Tab, Shift+Tab, Down
// and Up move the focus, wrapping round; Left and Right step the focused
// choice by one item as a pick does (elsewhere they move the focus); Space,
// and Return once the focus is shown, open a choice's menu or press the
// button or link. Until then Return and Enter press Start Game, as a click
// would. True when the key was taken.
bool handleMainWindowKey(int key, int state);

// Presses Start Game exactly when a click on it would do something: not
// while the game starts (the button is output only), nor after it could not
// start.
void pressStartGame();

// A press of the pointer at the event's position in `window`: the frame
// hides, and the focus goes to the widget pressed when it is one of the
// order.
void noticePointerPress(Fl_Window* window);

// Shows the focus from now on (the first navigation key, any controller
// input), and redraws the frames where the focus is.
void showFocus();
bool focusShown();

// The main window's focused widget.
Fl_Widget* focusedWidget();

// Moves the frames to where the focus is now (after an event the toolkit
// handled: the dialog's own focus moves with Tab).
void refreshFocusFrames();

// Makes the frames (built with the windows) and puts the focus on Start
// Game, hidden.
void buildMainWindowFocus();
void buildDialogFocus();
void forgetDialogFocus();

// Back to the start-up state (tests).
void resetKeyboardNavigation();
