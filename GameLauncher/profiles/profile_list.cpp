#include "profiles/profile_list.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/platform.h"

namespace {

const char* const NEW_FILE_EXTENSION = ".bin";

}  // namespace

namespace ProfileList {
char names[MAX_PROFILES][PROFILE_NAME_SIZE] = {};
int32_t count = 0;
char extensions[MAX_PROFILES][EXTENSION_SIZE] = {};

void reset() {
    std::memset(names, 0, sizeof names);
    std::memset(extensions, 0, sizeof extensions);
    count = 0;
}

int append(const char* name) {
    if (count < 0 || count >= MAX_PROFILES) return -1;
    int slot = count;
    std::snprintf(names[slot], sizeof names[slot], "%s", name);
    std::snprintf(extensions[slot], sizeof extensions[slot], "%s", NEW_FILE_EXTENSION);
    std::snprintf(currentProfileName, sizeof currentProfileName, "%s", names[slot]);
    ++count;
    return slot;
}

int slotOfFile(const char* name) {
    int sameFile = -1;
    for (int slot = 0; slot < count && slot < MAX_PROFILES; ++slot) {
        if (std::strncmp(names[slot], name, PROFILE_NAME_SIZE) == 0) return slot;
        if (sameFile < 0 && platform::sameFileName(names[slot], name)) sameFile = slot;
    }
    return sameFile;
}

const char* extensionOf(const char* name) {
    for (int slot = 0; slot < count && slot < MAX_PROFILES; ++slot) {
        if (std::strncmp(names[slot], name, PROFILE_NAME_SIZE) == 0) return extensions[slot];
    }
    return NEW_FILE_EXTENSION;
}
}  // namespace ProfileList

char currentProfileName[PROFILE_NAME_SIZE] = {};

namespace {

// The game keeps its high scores beside the profiles; that file is no
// profile, in any letter case (Windows and Wine find it by any).
const char* const SCORES_FILE = "Scores.bin";
const size_t EXTENSION_LENGTH = 4;  // ".bin", whatever its case

// Start Game writes the name as "name <name>" and the line end: a control
// character would end or break that line, and the spaces after the key are
// passed over when the file is read. Either way the game would be told of a
// profile that does not exist.
bool survivesNameLine(const std::string& name) {
    if (!name.empty() && name[0] == ' ') return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        unsigned char byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

}  // namespace

// Lists the directory by its path, so the working directory never changes.
void scanProfiles() {
    ProfileList::count = 0;
    for (const std::string& entry : platform::listBinEntries(PROFILE_DIRECTORY)) {
        if (platform::equalIgnoringAsciiCase(entry.c_str(), entry.size(), SCORES_FILE)) continue;
        if (entry.size() < EXTENSION_LENGTH) continue;  // the listing only yields "*.bin"
        const size_t nameLength = entry.size() - EXTENSION_LENGTH;
        if (!survivesNameLine(entry.substr(0, nameLength))) continue;
        if (ProfileList::count >= MAX_PROFILES) {
            platform::consoleLine("Warning max profile number reached (%d)", MAX_PROFILES);
            continue;
        }
        char* name = ProfileList::names[ProfileList::count];
        std::snprintf(name, PROFILE_NAME_SIZE, "%.*s", static_cast<int>(nameLength), entry.c_str());
        std::snprintf(ProfileList::extensions[ProfileList::count], EXTENSION_SIZE, "%s",
                      entry.c_str() + nameLength);
        if (ProfileList::count == 0) {
            std::snprintf(currentProfileName, sizeof currentProfileName, "%s", name);
        }
        ++ProfileList::count;
    }
}
