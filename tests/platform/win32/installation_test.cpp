// The launcher's files in an installation on Windows, end to end: a profile
// created, found by the scan and read back; the launch settings from the real
// screen joined with the game's settings and read at the next start.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/launch_settings.h"
#include "core/screen.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "settings/config_file.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using test_support::readFile;
using test_support::writeFile;

namespace {

class Win32Installation : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::resetLauncherState();
        fs::create_directories("Data/Profils");
    }
    void TearDown() override { test_support::resetLauncherState(); }

    test_support::ScratchDirectory scratch;
};

TEST_F(Win32Installation, CreatedProfileIsListedAndReadBackUnchanged) {
    std::snprintf(currentProfileName, sizeof currentProfileName, "%s", "Anna");
    loadProfileRecord();
    const std::string created = readFile("Data/Profils/Anna.bin");
    ASSERT_EQ(created.size(), PROFILE_FILE_SIZE);

    test_support::resetLauncherState();
    scanProfiles();
    ASSERT_EQ(ProfileList::count, 1);
    EXPECT_STREQ(ProfileList::names[0], "Anna");
    EXPECT_STREQ(currentProfileName, "Anna");
    loadProfileRecord();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(profileRecord), PROFILE_FILE_SIZE),
              created);
    EXPECT_EQ(readFile("Data/Profils/Anna.bin"), created);
}

TEST_F(Win32Installation, LaunchSettingsFromTheRealScreenAreJoinedAndReadAtTheNextStart) {
    readScreenSize();
    computeModeSizes();
    std::snprintf(currentProfileName, sizeof currentProfileName, "%s", "Anna");
    LauncherSettings::mode = 1;
    // A byte 26 (Ctrl-Z) would end a text-mode copy; the join keeps it.
    const std::string game = "bloom 1\r\n\x1a" "after\r\n";
    writeFile(GAME_SETTINGS_PATH, game);
    writeFile(JOINED_SETTINGS_PATH, "name Old\r\n");
    std::string why;
    ASSERT_TRUE(writeLaunchSettings(LAUNCH_SETTINGS_PATH, why)) << why;
    ASSERT_TRUE(joinSettingsFiles(LAUNCH_SETTINGS_PATH, GAME_SETTINGS_PATH, JOINED_SETTINGS_PATH,
                                  JOIN_TEMPORARY_PATH, why))
        << why;

    const std::string expectedStart = "name Anna\r\nresolution 1\r\nfullscreen 1\r\nscreenx " +
                                      std::to_string(GetSystemMetrics(SM_CXSCREEN)) +
                                      "\r\nscreeny " +
                                      std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "\r\n";
    const std::string joined = readFile(JOINED_SETTINGS_PATH);
    EXPECT_EQ(joined.compare(0, expectedStart.size(), expectedStart), 0) << joined;
    EXPECT_EQ(joined, readFile(LAUNCH_SETTINGS_PATH) + game);

    ConfigFile::instance()->clear();
    ConfigFile::instance()->load();
    EXPECT_STREQ(ConfigFile::instance()->getString("name"), "Anna");
}

}  // namespace
