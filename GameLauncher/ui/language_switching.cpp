#include "ui/language_switching.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>

#include "i18n/language_tables.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"
#include "ui/display_mode_choice.h"
#include "ui/fitting_choice.h"
#include "ui/launcher_window.h"
#include "ui/progress_line.h"
#include "ui/unsaved_settings.h"

namespace {

const int VOLUME_OFF_ITEM = 0;
const int VOLUME_MAX_ITEM = 5;

// Replaces item `index` only when it is a real item: the toolkit's own check
// lets the index of the menu's terminator through, and giving that a text
// would leave the menu unterminated.
void replaceItem(Fl_Choice* choice, int index, const char* text) {
    if (index >= 0 && index < choice->size() - 1) choice->replace(index, text);
}

}  // namespace

void onLanguageChosen(Fl_Widget*, void*) {
    // Item p names language p + 1. With no item picked (value -1) there is
    // no language to take, so the one in force stays.
    int position = languageChoice->value();
    if (position >= 0 && position < LANGUAGE_COUNT) LauncherSettings::language = position + 1;
    relabelWindow();
}

void relabelWindow() {
    relabelChoice(modeChoice, localisedText(TXT_RESOLUTION));
    relabelChoice(languageChoice, localisedText(TXT_LANGUAGE));
    relabelChoice(profileChoice, localisedText(TXT_PLAYER_PROFILE));
    relabelStartButton();
    relabelChoice(volumeChoice, localisedText(TXT_MUSIC_VOLUME));
    formatProgressText();
    buildModeLabels();
    relabelVolumeItems();
    relabelNewProfileItem();
    Fl::redraw();
}

void relabelVolumeItems() {
    replaceItem(volumeChoice, VOLUME_OFF_ITEM, localisedText(TXT_VOLUME_OFF));
    replaceItem(volumeChoice, VOLUME_MAX_ITEM, localisedText(TXT_VOLUME_MAX));
}

// The new-profile item always follows the profile names.
void relabelNewProfileItem() {
    replaceItem(profileChoice, ProfileList::count, localisedText(TXT_NEW_PROFILE));
}
