#include "profiles/profile_list.h"

namespace ProfileList {
char names[MAX_PROFILES][PROFILE_NAME_SIZE] = {};
int32_t count = 0;
void reset() {}
}  // namespace ProfileList

char currentProfileName[PROFILE_NAME_SIZE] = {};

void scanProfiles() {}
