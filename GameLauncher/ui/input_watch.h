// Watches every event before the toolkit hands it on, to tell a new key
// press from the auto-repeat of a key held down (the toolkit reports both
// alike; X11 and Windows send repeats without a release in between).
#pragma once

// Installs the watch (once).
void watchInput();

// Whether the key event being handled repeats a key that is still held down.
bool keyIsRepeat();

// Forgets every held key (tests).
void resetInputWatch();
