#include "ui/profile_choice.h"

#include <FL/Fl_Choice.H>

#include <cstdio>
#include <cstring>
#include <string>

#include "i18n/language_tables.h"
#include "platform/platform.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "profiles/profile_names.h"
#include "ui/launcher_window.h"
#include "ui/new_profile_dialog.h"
#include "ui/progress_line.h"

namespace {

// Fl_Menu_::add() reads '/', '\', '|' and a leading '_' in its text and
// merges an item into an existing one of equal text (ignoring '&'). No item
// text can equal this one (names have at most 255 bytes), so adding it always
// makes a new item, which replace() then labels literally.
const char* itemPlaceholder() {
    static char placeholder[301];
    if (!placeholder[0]) std::memset(placeholder, '-', sizeof placeholder - 1);
    return placeholder;
}

// A name as the toolkit takes it: in UTF-8, a code page byte can take two.
const size_t SHOWN_NAME_SIZE = 2 * PROFILE_NAME_SIZE;

// Label drawing still reads '&' (underline) and '@' (symbols); doubled, each
// shows as itself. `shown` holds twice a shown name's bytes and the terminator.
void menuDisplayText(const char* text, char (&shown)[2 * SHOWN_NAME_SIZE]) {
    size_t length = 0;
    for (const char* c = text; *c && length + 2 < sizeof shown; ++c) {
        if (*c == '&' || *c == '@') shown[length++] = *c;
        shown[length++] = *c;
    }
    shown[length] = '\0';
}

void addLiteralItem(const char* text, int flags) {
    int index = profileChoice->add(itemPlaceholder(), 0, nullptr, nullptr, flags);
    char shown[2 * SHOWN_NAME_SIZE];
    menuDisplayText(text, shown);
    profileChoice->replace(index, shown);
}

// The slot of the listed profile of exactly this name, or -1.
int listedSlot(const char* name) {
    for (int slot = 0; slot < ProfileList::count; ++slot) {
        if (std::strcmp(ProfileList::names[slot], name) == 0) return slot;
    }
    return -1;
}

}  // namespace

void selectProfile(int slot) {
    std::snprintf(currentProfileName, sizeof currentProfileName, "%s", ProfileList::names[slot]);
    if (profileChoice) profileChoice->value(slot);
    loadProfile();
}

void selectCurrentProfileItem() {
    int slot = listedSlot(currentProfileName);
    profileChoice->value(slot >= 0 ? slot : ProfileList::count - 1);
}

bool addProfile(const char* text, std::string& why) {
    char name[PROFILE_NAME_SIZE];
    if (!typedProfileName(text, name, sizeof name)) {
        why = localisedText(TXT_NAME_NOT_A_FILE_NAME);
        return false;
    }
    if (ProfileList::count >= MAX_PROFILES) {
        why = localisedText(TXT_PROFILE_LIST_FULL);
        return false;
    }
    if (!makeProfileFile(name, why)) return false;
    ProfileList::append(name);
    if (profileChoice) {
        profileChoice->clear();
        rebuildProfileChoice();
        profileChoice->value(ProfileList::count - 1);
    }
    loadProfile();
    return true;
}

void rebuildProfileChoice() {
    for (int slot = 0; slot < ProfileList::count; ++slot) {
        // Names are kept in the code page of the files; the toolkit draws UTF-8.
        char name[SHOWN_NAME_SIZE];
        platform::fromSystemCodePage(ProfileList::names[slot], name, sizeof name);
        addLiteralItem(name, 0);
    }
    // With a full list the item stays, inactive, so every index keeps its meaning.
    int full = ProfileList::count >= MAX_PROFILES ? FL_MENU_INACTIVE : 0;
    addLiteralItem(localisedText(TXT_NEW_PROFILE), full);
}

void onProfileChosen(Fl_Widget*, void*) {
    int index = profileChoice->value();
    if (index < 0) return;
    if (index >= ProfileList::count) {
        // A full list takes no more; an open dialog only comes to the front.
        if (ProfileList::count >= MAX_PROFILES || openNewProfileDialog()) {
            selectCurrentProfileItem();
            if (Fl_Widget* dialog = openNewProfileDialog()) dialog->show();
            return;
        }
        // A profile made or chosen in the dialog shows its own progress; after
        // a cancel the current profile is selected again and its line stays.
        runNewProfileDialog();
        return;
    }
    selectProfile(index);
}
