#include <FL/Fl_Choice.H>
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>

#include "core/launcher_window.h"
#include "profiles/profile_list.h"
#include "settings/config_file.h"
#include "settings/launcher_settings.h"
#include "settings/saved_settings.h"
#include "support/test_support.h"

namespace {

// A built launcher window over a scratch installation whose profile list
// holds Anna, Bob and Carla, with Anna current as after the profile scan.
class SavedSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::resetLauncherState();
        setProfiles({"Anna", "Bob", "Carla"});
    }
    void TearDown() override {
        destroyLauncherWindow();
        test_support::resetLauncherState();
    }

    static void setProfiles(std::initializer_list<const char*> names) {
        ProfileList::reset();
        for (const char* name : names) {
            std::snprintf(ProfileList::names[ProfileList::count++], PROFILE_NAME_SIZE, "%s", name);
        }
        std::snprintf(currentProfileName, sizeof currentProfileName, "%s",
                      ProfileList::count ? ProfileList::names[0] : "");
    }

    // Writes the settings file, reads it as start-up does, builds the
    // window and applies the saved settings.
    void applyWith(const std::string& settings) {
        test_support::writeFile("Data/config.ini", settings);
        ConfigFile::instance()->load();
        buildLauncherWindow();
        applySavedSettings();
    }

    void expectNothingApplied() {
        EXPECT_EQ(profileChoice->value(), 0);
        EXPECT_EQ(modeChoice->value(), 0);
        EXPECT_EQ(languageChoice->value(), 0);
        EXPECT_EQ(volumeChoice->value(), 4);
        EXPECT_STREQ(currentProfileName, "Anna");
        EXPECT_EQ(LauncherSettings::mode, 1);
        EXPECT_EQ(LauncherSettings::language, 1);
        EXPECT_EQ(LauncherSettings::volume, 4);
    }

    test_support::ScratchDirectory scratch;
};

TEST_F(SavedSettingsTest, ThirdProfileWithModeLanguageAndVolumeIsRestored) {
    applyWith("name Carla\r\nresolution 3\r\nlangage 2\r\nvolume 0\r\n");
    EXPECT_EQ(profileChoice->value(), 2);
    EXPECT_STREQ(currentProfileName, "Carla");
    EXPECT_EQ(modeChoice->value(), 2);
    EXPECT_EQ(LauncherSettings::mode, 3);
    EXPECT_EQ(languageChoice->value(), 1);
    EXPECT_EQ(LauncherSettings::language, 2);
    EXPECT_EQ(volumeChoice->value(), 0);
    EXPECT_EQ(LauncherSettings::volume, 0);
}

TEST_F(SavedSettingsTest, WithoutNameNothingIsApplied) {
    applyWith("resolution 3\r\nlangage 2\r\nvolume 0\r\n");
    expectNothingApplied();
}

TEST_F(SavedSettingsTest, WithEmptyNameNothingIsApplied) {
    applyWith("name \r\nresolution 3\r\nlangage 2\r\nvolume 0\r\n");
    expectNothingApplied();
}

TEST_F(SavedSettingsTest, WithoutSettingsFileNothingIsAppliedWhateverTheStoreHolds) {
    const char text[] = "name Carla\r\nresolution 3\r\n";
    char* data = new char[sizeof text];
    std::memcpy(data, text, sizeof text);
    ConfigFile::instance()->takeBuffer(data, sizeof text - 1);
    buildLauncherWindow();
    applySavedSettings();
    expectNothingApplied();
}

TEST_F(SavedSettingsTest, MissingVolumeReadsAsSilence) {
    applyWith("name Bob\r\nresolution 2\r\nlangage 1\r\n");
    EXPECT_EQ(volumeChoice->value(), 0);
    EXPECT_EQ(LauncherSettings::volume, 0);
    EXPECT_EQ(profileChoice->value(), 1);
}

TEST_F(SavedSettingsTest, NameDifferingInLetterCaseSelectsTheFirstProfile) {
    applyWith("name carla\r\nresolution 4\r\nlangage 3\r\nvolume 5\r\n");
    EXPECT_EQ(profileChoice->value(), 0);
    EXPECT_STREQ(currentProfileName, "Anna");
    EXPECT_EQ(LauncherSettings::mode, 4);
    EXPECT_EQ(LauncherSettings::language, 3);
    EXPECT_EQ(volumeChoice->value(), 5);
}

TEST_F(SavedSettingsTest, UnknownNameSelectsTheFirstProfileAndAppliesTheRest) {
    applyWith("name Zoe\r\nresolution 5\r\nlangage 6\r\nvolume 1\r\n");
    EXPECT_EQ(profileChoice->value(), 0);
    EXPECT_STREQ(currentProfileName, "Anna");
    EXPECT_EQ(modeChoice->value(), 4);
    EXPECT_EQ(languageChoice->value(), 5);
    EXPECT_EQ(LauncherSettings::volume, 1);
}

TEST_F(SavedSettingsTest, NameMustMatchWholeNotAsPrefix) {
    setProfiles({"Ann", "Anna"});
    applyWith("name Anna\r\n");
    EXPECT_EQ(profileChoice->value(), 1);
    EXPECT_STREQ(currentProfileName, "Anna");
}

TEST_F(SavedSettingsTest, NameOfTwoWordsIsRestored) {
    setProfiles({"Anna", "Anna Maria"});
    applyWith("name Anna Maria\r\nvolume 3\r\n");
    EXPECT_EQ(profileChoice->value(), 1);
    EXPECT_STREQ(currentProfileName, "Anna Maria");
}

TEST_F(SavedSettingsTest, SavedNameWithoutAnyProfileSelectsTheNewProfileItem) {
    setProfiles({});
    applyWith("name Carla\r\nresolution 2\r\n");
    EXPECT_EQ(profileChoice->value(), 0);
    EXPECT_STREQ(currentProfileName, "");
    EXPECT_EQ(LauncherSettings::mode, 2);
}

TEST_F(SavedSettingsTest, ZeroModeAndLanguageAreStoredAndClearTheSelection) {
    applyWith("name Anna\r\nresolution 0\r\nlangage 0\r\nvolume 2\r\n");
    EXPECT_EQ(LauncherSettings::mode, 0);
    EXPECT_EQ(modeChoice->value(), -1);
    EXPECT_EQ(LauncherSettings::language, 0);
    EXPECT_EQ(languageChoice->value(), -1);
}

TEST_F(SavedSettingsTest, NumbersBeyondTheItemsAreStoredAndKeepTheEarlierItem) {
    applyWith("name Anna\r\nresolution 6\r\nlangage 9\r\nvolume -7\r\n");
    EXPECT_EQ(LauncherSettings::mode, 6);
    EXPECT_EQ(LauncherSettings::language, 9);
    EXPECT_EQ(LauncherSettings::volume, -7);
    EXPECT_EQ(modeChoice->value(), 0);
    EXPECT_EQ(languageChoice->value(), 0);
    EXPECT_EQ(volumeChoice->value(), 4);
}

TEST_F(SavedSettingsTest, VolumeMinusOneClearsTheVolumeSelection) {
    applyWith("name Anna\r\nvolume -1\r\n");
    EXPECT_EQ(volumeChoice->value(), -1);
    EXPECT_EQ(LauncherSettings::volume, -1);
}

TEST_F(SavedSettingsTest, ExtremeNumbersAreStoredWithoutOverflow) {
    applyWith(
        "name Anna\r\nresolution -2147483648\r\nlangage 2147483647\r\nvolume 99999999999\r\n");
    EXPECT_EQ(LauncherSettings::mode, INT_MIN);
    EXPECT_EQ(LauncherSettings::language, INT_MAX);
    EXPECT_EQ(LauncherSettings::volume, INT_MAX);
    EXPECT_EQ(modeChoice->value(), 0);
}

TEST_F(SavedSettingsTest, NothingIsRelabelled) {
    applyWith("name Anna\r\nlangage 2\r\n");
    EXPECT_STREQ(modeChoice->label(), "Resolution");
    EXPECT_STREQ(languageChoice->label(), "Language");
    EXPECT_STREQ(modeChoice->text(1), "Windowed 4 3");
}

// --- The volume choice ------------------------------------------------------

TEST_F(SavedSettingsTest, PickOfTheLastVolumeItemRecordsFive) {
    buildLauncherWindow();
    volumeChoice->value(5);
    volumeChoice->do_callback();
    EXPECT_EQ(LauncherSettings::volume, 5);
}

TEST_F(SavedSettingsTest, VolumeChoiceWithoutSelectionRecordsMinusOne) {
    buildLauncherWindow();
    volumeChoice->value(-1);
    onVolumeChosen(volumeChoice, nullptr);
    EXPECT_EQ(LauncherSettings::volume, -1);
}

}  // namespace
