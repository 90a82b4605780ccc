// The three numbers the player's choices set and Start Game writes.
#pragma once

#include <cstdint>

// LauncherSettings::language, the language in force, belongs to the
// language tables that read it.
#include "i18n/language_tables.h"

namespace LauncherSettings {
extern int32_t mode;    // DisplayMode number, 1..5
extern int32_t volume;  // music volume, 0..5

// Sets the language in force before anything is shown: the one saved in
// Data/config.ini when it names one of the six, else the system's interface
// language when it is one of them, else English. Needs the settings loaded.
void chooseStartLanguage();

// Puts the three numbers back to their start-up defaults (1, 1, 4).
void reset();
}  // namespace LauncherSettings
