// The list of player profiles found in Data/Profils, and the current one.
#pragma once

#include <cstdint>

constexpr int MAX_PROFILES = 10;
constexpr int PROFILE_NAME_SIZE = 256;

namespace ProfileList {
extern char names[MAX_PROFILES][PROFILE_NAME_SIZE];
extern int32_t count;

// Empties the list (all slots zero), as at program start.
void reset();
}  // namespace ProfileList

// Name of the selected profile; empty until a profile exists.
extern char currentProfileName[PROFILE_NAME_SIZE];

// Fills the list from the "*.bin" entries of Data/Profils.
void scanProfiles();
