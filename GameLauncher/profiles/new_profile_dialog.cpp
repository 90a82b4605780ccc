#include "profiles/new_profile_dialog.h"

#include <FL/Fl_Choice.H>

#include "core/launcher_window.h"
#include "i18n/language_tables.h"
#include "profiles/profile_list.h"

void runNewProfileDialog() {}
void onNewProfileOk(Fl_Widget*, void*) {}
void onNewProfileDone(Fl_Widget*, void*) {}
void addProfile(const char*) {}
void rebuildProfileChoice() {
    for (int i = 0; i < ProfileList::count; ++i) profileChoice->add(ProfileList::names[i]);
    profileChoice->add(localisedText(TXT_NEW_PROFILE));
}
void onProfileChosen(Fl_Widget*, void*) {}
