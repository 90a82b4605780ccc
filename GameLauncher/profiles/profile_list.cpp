#include "profiles/profile_list.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/platform.h"

namespace ProfileList {
char names[MAX_PROFILES][PROFILE_NAME_SIZE] = {};
int32_t count = 0;

void reset() {
    std::memset(names, 0, sizeof names);
    count = 0;
}

int append(const char* name) {
    if (count < 0 || count >= MAX_PROFILES) return -1;
    int slot = count;
    std::snprintf(names[slot], sizeof names[slot], "%s", name);
    std::snprintf(currentProfileName, sizeof currentProfileName, "%s", names[slot]);
    ++count;
    return slot;
}
}  // namespace ProfileList

char currentProfileName[PROFILE_NAME_SIZE] = {};

namespace {

// The game keeps its high scores beside the profiles; that file is no profile.
const char* const SCORES_FILE = "Scores.bin";
const size_t EXTENSION_LENGTH = 4;  // ".bin", whatever its case

}  // namespace

// Lists the directory by its path, so the working directory never changes.
void scanProfiles() {
    ProfileList::count = 0;
    for (const std::string& entry : platform::listBinEntries(PROFILE_DIRECTORY)) {
        if (std::strcmp(entry.c_str(), SCORES_FILE) == 0) continue;
        if (ProfileList::count >= MAX_PROFILES) {
            std::printf("Warning max profile number reached (%d)\n", MAX_PROFILES);
            continue;
        }
        if (entry.size() < EXTENSION_LENGTH) continue;  // the listing only yields "*.bin"
        char* slot = ProfileList::names[ProfileList::count];
        std::snprintf(slot, PROFILE_NAME_SIZE, "%.*s",
                      static_cast<int>(entry.size() - EXTENSION_LENGTH), entry.c_str());
        if (ProfileList::count == 0) {
            std::snprintf(currentProfileName, sizeof currentProfileName, "%s", slot);
        }
        ++ProfileList::count;
    }
}
