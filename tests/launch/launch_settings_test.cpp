// The bytes of the launch settings and the join that makes the game's
// settings file from them.
#include "launch/launch_settings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/screen.h"
#include "profiles/profile_list.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"
#include "support/test_support.h"

using test_support::readFile, test_support::writeFile;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

class LaunchSettings : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::resetLauncherState();
        fs::create_directory("Data");
    }

    bool join(const std::string& launch = "name Bob\r\n\r\n") {
        return joinSettingsFiles(launch, GAME_SETTINGS_PATH, JOINED_SETTINGS_PATH, why);
    }

    test_support::ScratchDirectory scratch;
    std::string why;
};

// Each case checks the lines it is about; the first, the whole text. The
// window sizes are those the display modes give on the screen.
TEST_F(LaunchSettings, TextIsSevenCrLfLinesAndAnEmptyLine) {
    struct Case {
        const char* what;
        int screenWidth, screenHeight, mode;
        const char *name, *expected;
    };
    const Case cases[] = {
        {"Bob in windowed 16:9", 1366, 768, 3, "Bob",
         "name Bob\r\nresolution 3\r\nfullscreen 0\r\nscreenx 1365\r\nscreeny 768\r\n"
         "langage 2\r\nvolume 4\r\n\r\n"},
        {"fullscreen gives the screen size", 1366, 768, 1, "Anna",
         "name Anna\r\nresolution 1\r\nfullscreen 1\r\nscreenx 1366\r\nscreeny 768\r\n"},
        {"half size truncates toward zero", 1680, 1050, 5, "Bob",
         "fullscreen 0\r\nscreenx 840\r\nscreeny 472\r\n"},
        {"empty name keeps the key and a space", 1366, 768, 1, "", "name \r\nresolution 1\r\n"},
        {"name stops at a line break", 1366, 768, 1, "Bob\r\nresolution 5",
         "name Bob\r\nresolution 1\r\n"},
        // Modes outside the table: the screen size, windowed.
        {"mode 0", 1366, 768, 0, "Bob", "fullscreen 0\r\nscreenx 1366\r\nscreeny 768\r\n"},
        {"mode 6", 1680, 1050, 6, "Bob", "fullscreen 0\r\nscreenx 1680\r\nscreeny 1050\r\n"},
    };
    LauncherSettings::language = 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        screenWidth = c.screenWidth;
        screenHeight = c.screenHeight;
        computeModeSizes();
        std::snprintf(currentProfileName, sizeof currentProfileName, "%s", c.name);
        LauncherSettings::mode = c.mode;
        EXPECT_NE(launchSettingsText().find(c.expected), std::string::npos) << launchSettingsText();
    }
}

TEST_F(LaunchSettings, UnterminatedNameIsReadOnlyToTheEndOfItsBuffer) {
    std::memset(currentProfileName, 'x', sizeof currentProfileName);
    EXPECT_EQ(launchSettingsText().rfind("name " + std::string(PROFILE_NAME_SIZE, 'x') + "\r\n", 0),
              0u);
}

TEST_F(LaunchSettings, WriteReplacesAnOldFileWithTheTextOrGivesAReason) {
    writeFile(LAUNCH_SETTINGS_PATH, std::string(4000, 'o'));
    ASSERT_TRUE(writeLaunchSettings(LAUNCH_SETTINGS_PATH, why)) << why;
    EXPECT_EQ(readFile(LAUNCH_SETTINGS_PATH), launchSettingsText());
    fs::remove_all("Data");
    EXPECT_FALSE(writeLaunchSettings(LAUNCH_SETTINGS_PATH, why));
    EXPECT_FALSE(why.empty());
}

// The launch settings come from memory: a stale config_launch.ini is never
// joined. A temporary file left by an interrupted start is cleaned up.
TEST_F(LaunchSettings, JoinReplacesTheOldFileWithLaunchThenGameSettingsExactly) {
    const std::string game = "windowed 0\nshadows 2\r\n\0\x01\xff tail without line end"s;
    writeFile(JOINED_SETTINGS_PATH, std::string(5000, 'o'));
    writeFile(JOINED_SETTINGS_PATH + ".new"s, std::string(3000, 'h'));
    writeFile(LAUNCH_SETTINGS_PATH, "name Old\r\n\r\n");
    writeFile(GAME_SETTINGS_PATH, game);
    ASSERT_TRUE(join()) << why;
    EXPECT_EQ(readFile(JOINED_SETTINGS_PATH), "name Bob\r\n\r\n" + game);
    EXPECT_FALSE(fs::exists(JOINED_SETTINGS_PATH + ".new"s));
    fs::remove(GAME_SETTINGS_PATH);  // missing: the launch settings alone
    ASSERT_TRUE(join()) << why;
    EXPECT_EQ(readFile(JOINED_SETTINGS_PATH), "name Bob\r\n\r\n");
    writeFile(GAME_SETTINGS_PATH, std::string(GAME_SETTINGS_MAX_BYTES, 'g'));
    ASSERT_TRUE(join("")) << why;
    EXPECT_EQ(fs::file_size(JOINED_SETTINGS_PATH), GAME_SETTINGS_MAX_BYTES);
}

// The game's settings a directory or over the bound, or the temporary file
// impossible to create: the join fails with the real reason, and the old
// settings file stays whole with no temporary file left beside it.
TEST_F(LaunchSettings, FailedJoinLeavesTheOldFileWhole) {
    const std::string temporary = JOINED_SETTINGS_PATH + ".new"s;
    const std::pair<std::string, std::string> cases[] = {
        {GAME_SETTINGS_PATH, "Is a directory"},
        {GAME_SETTINGS_PATH, "larger than 1048576 bytes"},
        {temporary, temporary},
    };
    for (const auto& [culprit, reason] : cases) {
        SCOPED_TRACE(reason);
        test_support::ScratchDirectory fresh;
        writeFile(JOINED_SETTINGS_PATH, "name Anna\r\n");
        if (culprit == temporary || reason == "Is a directory") {
            writeFile(culprit + "/keep", "");
        } else {
            writeFile(culprit, std::string(GAME_SETTINGS_MAX_BYTES + 1, 'g'));
        }
        EXPECT_FALSE(join());
        EXPECT_NE(why.find(culprit + ": "), std::string::npos) << why;
        EXPECT_NE(why.find(reason), std::string::npos) << why;
        EXPECT_EQ(readFile(JOINED_SETTINGS_PATH), "name Anna\r\n");
        EXPECT_EQ(fs::exists(temporary), culprit == temporary);
    }
}

}  // namespace
