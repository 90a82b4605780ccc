// The launcher: start-up, then the Forms loop for the rest of the process.
// The loop ends the process itself, when the window is closed or the game
// has been started.
#include <FL/forms.H>

#include "ui/command_line.h"
#include "ui/startup.h"

// Console lines go out whole as they are printed (platform::consoleLine).
int main(int argc, char** argv) {
    if (answerInformationSwitch(argc, argv)) return 0;
    startLauncher(argc, argv);
    for (;;) fl_do_forms();
}
