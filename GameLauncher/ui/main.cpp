// The launcher: start-up, then the Forms loop for the rest of the process.
// The loop ends the process itself, when the window is closed or the game
// has been started.
#include <FL/forms.H>

#include <cstdio>

#include "ui/startup.h"

int main(int argc, char** argv) {
    // Line-buffered, so that the console lines keep their order with the
    // game's own output even when standard output is a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    startLauncher(argc, argv);
    for (;;) fl_do_forms();
}
