#include "ui/command_line.h"

#include <FL/Fl.H>

#include <cstdio>
#include <cstring>

#include "launcher_version.h"

namespace {

#ifdef _WIN32
const char* const HELP_SWITCHES = "-h, --help, /?";
#else
const char* const HELP_SWITCHES = "-h, --help";
#endif

bool asksForHelp(const char* argument) {
#ifdef _WIN32
    if (std::strcmp(argument, "/?") == 0) return true;
#endif
    return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
}

}  // namespace

bool answerInformationSwitch(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s (Tarvelline)\n", LAUNCHER_PROGRAM_NAME, LAUNCHER_VERSION);
            return true;
        }
        if (asksForHelp(argv[i])) {
            // Fl::help is the toolkit's own list of its switches, one a line.
            std::printf(
                "Usage: %s [switches]\n"
                "Starts Tarvelline. Run it in the game's installation directory.\n"
                "  --play       start the game at once with the saved profile and settings\n"
                "               (as a store's launch option: %%command%% --play)\n"
                "  --version    print the program's name and version, and exit\n"
                "  %-12s print this help, and exit\n"
                "Toolkit switches:\n%s\n",
                LAUNCHER_PROGRAM_NAME, HELP_SWITCHES, Fl::help);
            return true;
        }
    }
    return false;
}

bool playSwitchGiven(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--play") == 0) return true;
    }
    return false;
}
