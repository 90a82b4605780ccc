// The launcher: start-up, then the Forms loop for the rest of the process.
// The loop ends the process itself, when the window is closed or the game
// has been started.
#include <FL/forms.H>

#include <cstdio>

#include "ui/command_line.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
    // Unbuffered, so that every console line is out when it is printed, in
    // order with standard error and the game's own output, even when standard
    // output is a pipe. (_IOLBF would not do: the Microsoft C runtime buffers
    // such a stream fully.) Each line is one printf, so one write.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (answerInformationSwitch(argc, argv)) return 0;
    startLauncher(argc, argv);
    for (;;) fl_do_forms();
}
