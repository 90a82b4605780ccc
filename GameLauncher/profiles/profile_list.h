// The list of player profiles found in Data/Profils, and the current one.
#pragma once

#include <cstdint>

constexpr int MAX_PROFILES = 10;
constexpr int PROFILE_NAME_SIZE = 256;

// The directory of the profile files, relative to the installation directory.
constexpr const char* PROFILE_DIRECTORY = "Data/Profils";

// ".bin" in the letter case of a listed file.
constexpr int EXTENSION_SIZE = 5;

namespace ProfileList {
extern char names[MAX_PROFILES][PROFILE_NAME_SIZE];
extern int32_t count;
// The extension of each slot's file as the listing gave it ("Anna.BIN" is
// listed as "Anna" with ".BIN"), so the profile is read from that very file.
extern char extensions[MAX_PROFILES][EXTENSION_SIZE];

// Empties the list (all slots zero), as at program start.
void reset();

// Appends `name` (cut to 255 bytes) into slot count, with the extension
// ".bin", and makes it the current profile. Returns the slot, or -1 when the
// list is full.
int append(const char* name);

// The slot of the listed profile whose file `name` (in the code page) names:
// the one of exactly this name, or else the first the file system takes for
// the same file (on Windows, "anna" names Anna's); -1 when none.
int slotOfFile(const char* name);

// The extension of the first listed profile named `name`; ".bin" when no
// listed profile has that name.
const char* extensionOf(const char* name);
}  // namespace ProfileList

// Name of the selected profile; empty until a profile exists.
extern char currentProfileName[PROFILE_NAME_SIZE];

// Fills the list from the "*.bin" entries of Data/Profils, the game's score
// file (Scores.bin in any ASCII letter case) left out. A file whose name
// could not go through the "name" line of the settings intact (a control
// character, a leading space) is skipped.
void scanProfiles();
