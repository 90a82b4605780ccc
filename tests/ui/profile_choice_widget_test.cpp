#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "i18n/language_tables.h"
#include "profiles/profile_list.h"
#include "profiles/profile_names.h"
#include "support/window_test_support.h"
#include "ui/launcher_window.h"
#include "ui/new_profile_dialog.h"

namespace {

// Menu syntax ('/', '\', '|', leading '_') and label drawing ('&', '@') read
// nothing into a name, a name listed twice stays two items, and a name kept
// in the code page is shown in UTF-8. A full list takes no more, and picking
// its inactive new-profile item opens no dialog.
TEST(ProfileChoice, ItemsAreTheNamesAsSpelled) {
    test_support::ScratchDirectory scratch;
    test_support::resetLauncherAndWindowState();
    std::filesystem::create_directories("Data/Profils");
    char zoe[PROFILE_NAME_SIZE];
    ASSERT_TRUE(typedProfileName("Zo\xC3\xAB", zoe, sizeof zoe));
    for (const char* name : {"a/b", "b\\s", "x|y", "_lead", "R&D", "@home", "Anna", "Anna"})
        ProfileList::append(name);
    ProfileList::append(zoe);
    ProfileList::append("P9");
    EXPECT_EQ(ProfileList::append("P10"), -1);
    buildLauncherWindow();
    std::string items;
    for (int i = 0; profileChoice->text(i); ++i) items += "|" + std::string(profileChoice->text(i));
    EXPECT_EQ(items, "|a/b|b\\s|x|y|_lead|R&&D|@@home|Anna|Anna|Zo\xC3\xAB|P9|Create new profile");
    EXPECT_TRUE(profileChoice->menu()[MAX_PROFILES].flags & FL_MENU_INACTIVE);
    profileChoice->value(3);
    profileChoice->do_callback();
    profileChoice->value(MAX_PROFILES);
    profileChoice->do_callback();
    EXPECT_EQ(openNewProfileDialog(), nullptr);
    EXPECT_EQ(profileChoice->value(), 3);
    languageChoice->value(1);  // French, which relabels the new-profile item too
    languageChoice->do_callback();
    EXPECT_STREQ(profileChoice->text(MAX_PROFILES), languageTable(2)[TXT_NEW_PROFILE]);
    test_support::resetLauncherAndWindowState();
}

}  // namespace
