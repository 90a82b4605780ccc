// The list of player profiles found in Data/Profils, and the current one.
#pragma once

#include <cstdint>

constexpr int MAX_PROFILES = 10;
constexpr int PROFILE_NAME_SIZE = 256;

// The directory of the profile files, relative to the installation directory.
constexpr const char* PROFILE_DIRECTORY = "Data/Profils";

namespace ProfileList {
extern char names[MAX_PROFILES][PROFILE_NAME_SIZE];
extern int32_t count;

// Empties the list (all slots zero), as at program start.
void reset();

// Appends `name` (cut to 255 bytes) into slot count and makes it the current
// profile. Returns the slot, or -1 when the list is full.
int append(const char* name);
}  // namespace ProfileList

// Name of the selected profile; empty until a profile exists.
extern char currentProfileName[PROFILE_NAME_SIZE];

// Fills the list from the "*.bin" entries of Data/Profils.
void scanProfiles();
