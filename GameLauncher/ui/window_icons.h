// The program's icon on its windows.
#pragma once

// Makes the program's icon the icon of every window shown from now on (the
// main window and the new-profile dialog): on Windows the icon resource of
// GameLauncher.exe, on X11 the 16, 32 and 48 pixel images.
void setWindowIcons();
