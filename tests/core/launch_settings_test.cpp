// The bytes of the launch settings and the join that makes the game's
// settings file from them.
#include "core/launch_settings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "core/screen.h"
#include "profiles/profile_list.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"
#include "support/test_support.h"

using test_support::fileExists;
using test_support::readFile;
using test_support::writeFile;

using namespace std::string_literals;

namespace {

class LaunchSettingsText : public ::testing::Test {
protected:
    void SetUp() override { test_support::resetLauncherState(); }
    void TearDown() override { test_support::resetLauncherState(); }

    // The screen and the window sizes the display modes give on it.
    void screen(int width, int height, ModeSize size4x3, ModeSize size16x9) {
        screenWidth = width;
        screenHeight = height;
        modeSizes[0] = size4x3;
        modeSizes[1] = size16x9;
        modeSizes[2] = {size4x3.width / 2, size4x3.height / 2};
        modeSizes[3] = {size16x9.width / 2, size16x9.height / 2};
    }

    void choose(const char* name, int mode, int language, int volume) {
        std::snprintf(currentProfileName, sizeof currentProfileName, "%s", name);
        LauncherSettings::mode = mode;
        LauncherSettings::language = language;
        LauncherSettings::volume = volume;
    }
};

TEST_F(LaunchSettingsText, BobInWindowed16x9On1366x768) {
    screen(1366, 768, {1024.0f, 768.0f}, {1365.3334f, 768.0f});
    choose("Bob", 3, 2, 4);
    EXPECT_EQ(launchSettingsText(),
              "name Bob\r\nresolution 3\r\nfullscreen 0\r\nscreenx 1365\r\nscreeny 768\r\n"
              "langage 2\r\nvolume 4\r\n\r\n");
}

TEST_F(LaunchSettingsText, FullscreenWritesTheScreenSize) {
    screen(1366, 768, {1024.0f, 768.0f}, {1365.3334f, 768.0f});
    choose("Anna", 1, 1, 0);
    EXPECT_EQ(launchSettingsText(),
              "name Anna\r\nresolution 1\r\nfullscreen 1\r\nscreenx 1366\r\nscreeny 768\r\n"
              "langage 1\r\nvolume 0\r\n\r\n");
}

TEST_F(LaunchSettingsText, HalfSizeModeTruncatesTowardZero) {
    screen(1680, 1050, {1400.0f, 1050.0f}, {1680.0f, 945.0f});
    choose("Bob", 5, 1, 5);
    EXPECT_NE(launchSettingsText().find("screenx 840\r\nscreeny 472\r\n"), std::string::npos);
}

TEST_F(LaunchSettingsText, EmptyNameKeepsTheKeyAndASpace) {
    screen(1366, 768, {1024.0f, 768.0f}, {1365.3334f, 768.0f});
    choose("", 1, 1, 4);
    EXPECT_EQ(launchSettingsText().rfind("name \r\nresolution 1\r\n", 0), 0u);
}

TEST_F(LaunchSettingsText, SevenLinesAndAnEmptyLineAllEndingInCrLf) {
    screen(1366, 768, {1024.0f, 768.0f}, {1365.3334f, 768.0f});
    choose("Bob", 2, 6, 3);
    std::string text = launchSettingsText();
    size_t lineEnds = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++lineEnds;
            ASSERT_GT(i, 0u);
            EXPECT_EQ(text[i - 1], '\r') << "bare LF at byte " << i;
        }
        if (text[i] == '\r') {
            EXPECT_EQ(text[i + 1], '\n') << "bare CR at byte " << i;
        }
    }
    EXPECT_EQ(lineEnds, 8u);
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
}

TEST_F(LaunchSettingsText, ModeOutsideTheTableWritesTheScreenAsWindowedSize) {
    screen(1366, 768, {1024.0f, 768.0f}, {1365.3334f, 768.0f});
    for (int mode : {0, 6, -1, 1000}) {
        choose("Bob", mode, 1, 4);
        std::string expected = "resolution " + std::to_string(mode) +
                               "\r\nfullscreen 0\r\nscreenx 1366\r\nscreeny 768\r\n";
        EXPECT_NE(launchSettingsText().find(expected), std::string::npos) << "mode " << mode;
    }
}

TEST_F(LaunchSettingsText, NameStopsAtALineBreak) {
    choose("Bob\r\nresolution 5", 1, 1, 4);
    std::string text = launchSettingsText();
    EXPECT_EQ(text.rfind("name Bob\r\nresolution 1\r\n", 0), 0u);
    EXPECT_EQ(text.find("resolution 5"), std::string::npos);
}

TEST_F(LaunchSettingsText, UnterminatedNameIsReadOnlyToTheEndOfItsBuffer) {
    std::memset(currentProfileName, 'x', sizeof currentProfileName);
    std::string text = launchSettingsText();
    EXPECT_EQ(text.rfind("name " + std::string(PROFILE_NAME_SIZE, 'x') + "\r\n", 0), 0u);
}

class LaunchSettingsFiles : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::resetLauncherState();
        std::filesystem::create_directory("Data");
        screenWidth = 1366;
        screenHeight = 768;
        std::snprintf(currentProfileName, sizeof currentProfileName, "%s", "Bob");
    }
    void TearDown() override { test_support::resetLauncherState(); }

    bool join(std::string& why) {
        return joinSettingsFiles(LAUNCH_SETTINGS_PATH, GAME_SETTINGS_PATH, JOINED_SETTINGS_PATH,
                                 JOIN_TEMPORARY_PATH, why);
    }

    test_support::ScratchDirectory scratch;
    std::string why;
};

TEST_F(LaunchSettingsFiles, WritesTheTextByteForByte) {
    ASSERT_TRUE(writeLaunchSettings(LAUNCH_SETTINGS_PATH, why)) << why;
    EXPECT_EQ(readFile(LAUNCH_SETTINGS_PATH), launchSettingsText());
}

TEST_F(LaunchSettingsFiles, ReplacesALongerOldFileWhole) {
    writeFile(LAUNCH_SETTINGS_PATH, std::string(4000, 'o'));
    ASSERT_TRUE(writeLaunchSettings(LAUNCH_SETTINGS_PATH, why)) << why;
    EXPECT_EQ(readFile(LAUNCH_SETTINGS_PATH), launchSettingsText());
}

TEST_F(LaunchSettingsFiles, UnwritableLaunchSettingsGiveAReason) {
    std::filesystem::remove("Data");
    EXPECT_FALSE(writeLaunchSettings(LAUNCH_SETTINGS_PATH, why));
    EXPECT_FALSE(why.empty());
}

TEST_F(LaunchSettingsFiles, JoinIsLaunchSettingsThenGameSettingsExactly) {
    const std::string game = "windowed 0\nshadows 2\r\n\0\x01\xff tail without line end"s;
    writeFile(LAUNCH_SETTINGS_PATH, "name Bob\r\n\r\n");
    writeFile(GAME_SETTINGS_PATH, game);
    ASSERT_TRUE(join(why)) << why;
    EXPECT_EQ(readFile(JOINED_SETTINGS_PATH), "name Bob\r\n\r\n" + game);
}

TEST_F(LaunchSettingsFiles, JoinReplacesTheOldSettingsFile) {
    writeFile(JOINED_SETTINGS_PATH, std::string(5000, 'o'));
    writeFile(LAUNCH_SETTINGS_PATH, "name Bob\r\n");
    writeFile(GAME_SETTINGS_PATH, "music 1\r\n");
    ASSERT_TRUE(join(why)) << why;
    EXPECT_EQ(readFile(JOINED_SETTINGS_PATH), "name Bob\r\nmusic 1\r\n");
    EXPECT_FALSE(fileExists(JOIN_TEMPORARY_PATH));
}

TEST_F(LaunchSettingsFiles, MissingGameSettingsGiveTheLaunchSettingsAlone) {
    writeFile(LAUNCH_SETTINGS_PATH, "name Bob\r\n\r\n");
    ASSERT_TRUE(join(why)) << why;
    EXPECT_EQ(readFile(JOINED_SETTINGS_PATH), "name Bob\r\n\r\n");
}

TEST_F(LaunchSettingsFiles, LeftoverTemporaryFileIsOverwritten) {
    writeFile(JOIN_TEMPORARY_PATH, std::string(3000, 'h'));
    writeFile(LAUNCH_SETTINGS_PATH, "name Bob\r\n");
    ASSERT_TRUE(join(why)) << why;
    EXPECT_EQ(readFile(JOINED_SETTINGS_PATH), "name Bob\r\n");
    EXPECT_FALSE(fileExists(JOIN_TEMPORARY_PATH));
}

TEST_F(LaunchSettingsFiles, MissingLaunchSettingsLeaveTheOldFileWhole) {
    writeFile(JOINED_SETTINGS_PATH, "name Anna\r\n");
    writeFile(GAME_SETTINGS_PATH, "music 1\r\n");
    EXPECT_FALSE(join(why));
    EXPECT_NE(why.find(LAUNCH_SETTINGS_PATH), std::string::npos) << why;
    EXPECT_EQ(readFile(JOINED_SETTINGS_PATH), "name Anna\r\n");
}

TEST_F(LaunchSettingsFiles, InterruptedWriteLeavesTheOldFileWhole) {
    // The temporary file cannot be written, as when the start is cut short
    // before the rename: the old settings file stays as it was.
    writeFile(JOINED_SETTINGS_PATH, "name Anna\r\nresolution 2\r\n");
    writeFile(LAUNCH_SETTINGS_PATH, "name Bob\r\n");
    std::filesystem::create_directory(JOIN_TEMPORARY_PATH);
    EXPECT_FALSE(join(why));
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(readFile(JOINED_SETTINGS_PATH), "name Anna\r\nresolution 2\r\n");
}

TEST_F(LaunchSettingsFiles, UnreadableGameSettingsLeaveTheOldFileWhole) {
    writeFile(JOINED_SETTINGS_PATH, "name Anna\r\n");
    writeFile(LAUNCH_SETTINGS_PATH, "name Bob\r\n");
    std::filesystem::create_directory(GAME_SETTINGS_PATH);
    EXPECT_FALSE(join(why));
    EXPECT_NE(why.find(GAME_SETTINGS_PATH), std::string::npos) << why;
    EXPECT_EQ(readFile(JOINED_SETTINGS_PATH), "name Anna\r\n");
}

TEST_F(LaunchSettingsFiles, WrittenSettingsJoinedWithGameSettings) {
    LauncherSettings::mode = 1;
    writeFile(GAME_SETTINGS_PATH, "name Zed\r\nbloom 1\r\n");
    ASSERT_TRUE(writeLaunchSettings(LAUNCH_SETTINGS_PATH, why)) << why;
    ASSERT_TRUE(join(why)) << why;
    EXPECT_EQ(readFile(JOINED_SETTINGS_PATH), launchSettingsText() + "name Zed\r\nbloom 1\r\n");
}

}  // namespace
