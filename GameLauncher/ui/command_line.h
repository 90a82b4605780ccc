// The switches of the launcher's own: --version, --help and --play.
#pragma once

// When an argument asks for the version (--version) or the usage (--help,
// -h, and /? on Windows), prints it on standard output and gives true: the
// launcher then ends with status 0, before any file or display is touched.
bool answerInformationSwitch(int argc, char** argv);

// Whether --play is among the arguments: start the game at once with the
// saved profile and settings.
bool playSwitchGiven(int argc, char** argv);
