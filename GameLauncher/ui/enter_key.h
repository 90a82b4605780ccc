// Return and the keypad's Enter, so that a keyboard (or a controller mapped
// to keys) needs no mouse.
#pragma once

// Makes the two keys press Start Game in the main window, exactly when a
// click on it would do something. (The new-profile dialog's OK takes them
// itself.)
void handleEnterKey();

// Whether the key event is Return or the keypad's Enter, without a modifier.
bool isEnterKey();
