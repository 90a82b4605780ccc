#include <FL/Fl_Choice.H>
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>

#include "profiles/profile_list.h"
#include "settings/config_file.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"
#include "support/test_support.h"
#include "ui/display_mode_choice.h"
#include "ui/launcher_window.h"
#include "ui/saved_settings.h"

namespace {

class SettingChoicesTest : public ::testing::Test {
protected:
    void SetUp() override { buildWith({}, nullptr); }
    void TearDown() override {
        destroyLauncherWindow();
        test_support::resetLauncherState();
    }

    // The window built over these profiles (the first current, as after the
    // scan) and this settings file, and the saved settings applied.
    static void buildWith(std::initializer_list<const char*> profiles, const char* settings) {
        destroyLauncherWindow();
        test_support::resetLauncherState();
        for (const char* name : profiles) ProfileList::append(name);
        std::snprintf(currentProfileName, sizeof currentProfileName, "%s", ProfileList::names[0]);
        if (settings) test_support::writeFile("Data/config.ini", settings);
        ConfigFile::instance()->load();
        buildLauncherWindow();
        applySavedSettings();
    }

    test_support::ScratchDirectory scratch;
};

// Numbers are stored as they are, but only an existing item, or none for -1,
// is selected. Without a name nothing is applied; an unknown name, or one
// differing in letter case or only a prefix, selects the first profile.
// clang-format off
struct Applied { const char* settings; int profileItem; const char* current;
                 int modeItem, mode, languageItem, language, volumeItem, volume; };
const Applied APPLIED[] = {
    {"name Carla\r\nresolution 3\r\nlangage 2\r\nvolume 0\r\n", 2, "Carla", 2, 3, 1, 2, 0, 0},
    {"resolution 3\r\nlangage 2\r\nvolume 0\r\n", 0, "Ann", 0, 1, 0, 1, 4, 4},
    {"name \r\nresolution 3\r\nlangage 2\r\nvolume 0\r\n", 0, "Ann", 0, 1, 0, 1, 4, 4},
    {"name Bob\r\nresolution 2\r\nlangage 1\r\n", 1, "Bob", 1, 2, 0, 1, 0, 0},
    {"name carla\r\nresolution 4\r\nlangage 3\r\nvolume 5\r\n", 0, "Ann", 3, 4, 2, 3, 5, 5},
    {"name Zoe\r\nresolution 5\r\nlangage 6\r\nvolume 1\r\n", 0, "Ann", 4, 5, 5, 6, 1, 1},
    {"name Anna Maria\r\nvolume -1\r\n", 3, "Anna Maria", -1, 0, -1, 0, -1, -1},
    {"name Anna\r\nresolution 6\r\nlangage 9\r\nvolume -7\r\n", 0, "Ann", 0, 6, 0, 9, 4, -7},
    {"name Ann\r\nresolution -2147483648\r\nlangage 2147483647\r\nvolume 99999999999\r\n",
     0, "Ann", 0, INT_MIN, 0, INT_MAX, 4, INT_MAX},
};
// clang-format on

TEST_F(SettingChoicesTest, SavedSettingsSelectItemsAndStoreNumbers) {
    for (const Applied& c : APPLIED) {
        SCOPED_TRACE(c.settings);
        buildWith({"Ann", "Bob", "Carla", "Anna Maria"}, c.settings);
        EXPECT_EQ(std::make_tuple(profileChoice->value(), std::string(currentProfileName),
                                  modeChoice->value(), LauncherSettings::mode,
                                  languageChoice->value(), LauncherSettings::language,
                                  volumeChoice->value(), LauncherSettings::volume),
                  std::make_tuple(c.profileItem, std::string(c.current), c.modeItem, c.mode,
                                  c.languageItem, c.language, c.volumeItem, c.volume));
    }
}

TEST_F(SettingChoicesTest, SavedNameWithoutAnyProfileSelectsTheNewProfileItem) {
    buildWith({}, "name Carla\r\nresolution 2\r\n");
    EXPECT_EQ(profileChoice->value(), 0);
    EXPECT_STREQ(currentProfileName, "");
    EXPECT_EQ(LauncherSettings::mode, 2);
}

TEST_F(SettingChoicesTest, WithoutSettingsFileNothingIsAppliedWhateverTheStoreHolds) {
    const char text[] = "name Carla\r\nresolution 3\r\n";
    char* data = new char[sizeof text];
    std::memcpy(data, text, sizeof text);
    ConfigFile::instance()->takeBuffer(data, sizeof text - 1);
    applySavedSettings();
    EXPECT_EQ(LauncherSettings::mode, 1);
}

// The '/' of "4/3" stays literal instead of making a submenu.
TEST_F(SettingChoicesTest, ModeItemsAreLiteralCopiesAndALanguageOutsideTheTablesReadsEnglish) {
    LauncherSettings::language = 9;
    buildModeLabels();
    EXPECT_EQ(modeChoice->size(), MODE_COUNT + 1);
    EXPECT_STREQ(modeChoice->text(4), "Windowed 16/9 half size");
    for (int i = 0; i < MODE_COUNT; ++i) EXPECT_FALSE(modeChoice->menu()[i].submenu()) << i;
    LauncherSettings::language = 2;
    formatModeLabels();
    EXPECT_STREQ(modeChoice->text(1), "Windowed 4/3");
}

TEST_F(SettingChoicesTest, ModeAndVolumePicksAreRecordedAndNoSelectionToo) {
    const int picks[][4] = {{2, 5, 3, 5}, {-1, -1, 0, -1}};  // mode item, volume item -> recorded
    for (const auto& pick : picks) {
        modeChoice->value(pick[0]);
        modeChoice->do_callback();
        volumeChoice->value(pick[1]);
        volumeChoice->do_callback();
        EXPECT_EQ(std::make_pair(LauncherSettings::mode, LauncherSettings::volume),
                  std::make_pair(pick[2], pick[3]));
    }
}

}  // namespace
