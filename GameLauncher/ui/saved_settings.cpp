#include "ui/saved_settings.h"

#include <FL/Fl_Choice.H>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "profiles/profile_list.h"
#include "settings/config_file.h"
#include "settings/launcher_settings.h"
#include "ui/launcher_window.h"

namespace {

// A saved number, the range its choice has items for, how the item index
// follows from it, and the setting it is stored in.
struct SavedNumber {
    const char* key;
    int32_t lowest, highest;
    Fl_Choice** choice;
    int itemOffset;
    int32_t* setting;
};

// Applied in this order, after the profile. (The saved language is in force
// from the start: LauncherSettings::chooseStartLanguage.)
// clang-format off
const SavedNumber SAVED_NUMBERS[] = {
    {"resolution", 1, 5, &modeChoice,   -1, &LauncherSettings::mode},
    {"volume",     0, 5, &volumeChoice,  0, &LauncherSettings::volume},
};
// clang-format on

// Opened as the reader opens it: a FIFO of that name must not block.
bool settingsFileExists() {
    std::FILE* file = platform::openRegularFile(ConfigFile::PATH);
    if (!file) return false;
    std::fclose(file);
    return true;
}

// Slot of the profile named exactly `name`; -1 when there is none.
int findProfile(const char* name) {
    if (std::strlen(name) >= PROFILE_NAME_SIZE) return -1;
    int count = std::clamp<int32_t>(ProfileList::count, 0, MAX_PROFILES);
    for (int i = 0; i < count; ++i) {
        if (std::strncmp(ProfileList::names[i], name, PROFILE_NAME_SIZE) == 0) return i;
    }
    return -1;
}

}  // namespace

bool applySavedSettings() {
    if (!settingsFileExists()) return false;
    const ConfigFile* config = ConfigFile::instance();
    // Without the name of the profile they were saved with, none of the
    // saved values is applied.
    const char* name = config->getString("name");
    if (!name || !*name) return false;

    int slot = findProfile(name);
    if (slot >= 0) {
        std::snprintf(currentProfileName, sizeof currentProfileName, "%s",
                      ProfileList::names[slot]);
    }
    // An unknown name selects the first profile; with none listed, nothing
    // stays selected, so that picking the new-profile item opens the dialog.
    if (profileChoice) profileChoice->value(ProfileList::count > 0 ? std::max(slot, 0) : -1);

    // A number outside its choice's items would be written for the game
    // while the window shows another: it is not applied. (A missing key
    // reads 0: the volume "Off", no mode and no language.)
    for (const SavedNumber& saved : SAVED_NUMBERS) {
        int32_t number = config->getInt(saved.key);
        if (number < saved.lowest || number > saved.highest) continue;
        if (*saved.choice) (*saved.choice)->value(number + saved.itemOffset);
        *saved.setting = number;
    }
    return slot >= 0;
}

void onVolumeChosen(Fl_Widget* w, void*) {
    // The item index is the volume; -1 when no item is selected.
    LauncherSettings::volume = static_cast<Fl_Choice*>(w)->value();
}
