// Every event passes here before the toolkit hands it on: the one place
// where the keys of the main window are taken (keyboard_navigation), a
// pointer press hides the focus frame, and a new key press is told from the
// auto-repeat of a key held down (the toolkit reports both alike; X11 and
// Windows send repeats without a release in between).
#pragma once

class Fl_Window;

// Installs the watch (once).
void watchInput();

// Whether the key event being handled repeats a key that is still held down.
bool keyIsRepeat();

// Hands a key press and its release to `window` as a keyboard would, marked
// as coming from a game controller.
void sendControllerKey(Fl_Window* window, int key);

// Whether the last input (key, pointer press or controller) came from a
// game controller.
bool lastInputFromController();

// Forgets every held key and the last input (tests).
void resetInputWatch();
