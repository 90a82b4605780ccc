// The launcher's start-up, in its fixed order.
#pragma once

// Brings every part of the launcher up and shows the main window: screen
// size, display-mode sizes, Data/config.ini, the profile list, the toolkit
// and the window, the first-profile dialog when there is no profile, the
// saved choices, the current profile's progress and the localised items.
// fl_initialize takes the toolkit's switches out of argc/argv. With --play
// and a saved profile that is listed, starts the game at once instead; the
// window is then shown only to say why the game did not start.
void startLauncher(int& argc, char** argv);
