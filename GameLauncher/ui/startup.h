// The launcher's start-up, in its fixed order.
#pragma once

// Brings every part of the launcher up and shows the main window: screen
// size, display-mode sizes, Data/config.ini, the profile list, the toolkit
// and the window, the first-profile dialog when there is no profile, the
// saved choices, the current profile's progress and the localised items.
// fl_initialize takes the toolkit's switches out of argc/argv.
void startLauncher(int& argc, char** argv);
