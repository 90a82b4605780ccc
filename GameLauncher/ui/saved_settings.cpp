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

// A saved number, the choice that shows it and how its item index follows
// from it, and the setting it is stored in.
struct SavedNumber {
    const char* key;
    Fl_Choice** choice;
    int itemOffset;
    int32_t* setting;
};

// Applied in this order, after the profile.
const SavedNumber SAVED_NUMBERS[] = {
    {"resolution", &modeChoice, -1, &LauncherSettings::mode},
    {"langage", &languageChoice, -1, &LauncherSettings::language},
    {"volume", &volumeChoice, 0, &LauncherSettings::volume},
};

// Selects item `index`, or no item for -1, as Fl_Choice::value does; any
// other index changes nothing. The range is checked here so that it holds
// for every FLTK build, and a saved number far out of range cannot overflow
// on its way to an item index.
void selectItem(Fl_Choice* choice, long long index) {
    if (!choice) return;
    long long items = choice->size() - 1;  // size() counts the end marker
    if (index == -1 || (index >= 0 && index < items)) choice->value(static_cast<int>(index));
}

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

void applySavedSettings() {
    if (!settingsFileExists()) return;
    const ConfigFile* config = ConfigFile::instance();
    // Without the name of the profile they were saved with, none of the
    // saved values is applied.
    const char* name = config->getString("name");
    if (!name || !*name) return;

    int slot = findProfile(name);
    if (slot >= 0) {
        std::snprintf(currentProfileName, sizeof currentProfileName, "%s",
                      ProfileList::names[slot]);
    }
    selectItem(profileChoice, std::max(slot, 0));

    // Stored as they are; only the selection is kept inside the items.
    for (const SavedNumber& saved : SAVED_NUMBERS) {
        int32_t number = config->getInt(saved.key);
        selectItem(*saved.choice, static_cast<long long>(number) + saved.itemOffset);
        *saved.setting = number;
    }
}

void onVolumeChosen(Fl_Widget* w, void*) {
    // The item index is the volume; -1 when no item is selected.
    LauncherSettings::volume = static_cast<Fl_Choice*>(w)->value();
}
