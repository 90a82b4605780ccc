#include "launch/launch_settings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#ifdef _WIN32
#include <process.h>
#endif

#include "platform/screen.h"
#include "profiles/profile_list.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"
#include "support/test_support.h"

using test_support::readFile, test_support::writeFile;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

// Each case checks the lines it is about; the first, the whole text. Modes
// outside the table give the screen size, windowed.
TEST(LaunchSettings, TextIsSevenCrLfLinesAndAnEmptyLine) {
    const struct {
        int screenWidth, screenHeight, mode;
        const char *name, *expected;
    } cases[] = {
        {1366, 768, 3, "Bob",
         "name Bob\r\nresolution 3\r\nfullscreen 0\r\nscreenx 1365\r\nscreeny 768\r\n"
         "langage 2\r\nvolume 4\r\n\r\n"},
        {1680, 1050, 5, "", "name \r\nresolution 5\r\nfullscreen 0\r\nscreenx 840\r\nscreeny 472\r\n"},
        {1366, 768, 1, "Bob\r\nresolution 5", "name Bob\r\nresolution 1\r\nfullscreen 1\r\n"},
        {1366, 768, 0, "Bob", "fullscreen 0\r\nscreenx 1366\r\nscreeny 768\r\n"},
        {1680, 1050, 6, "Bob", "fullscreen 0\r\nscreenx 1680\r\nscreeny 1050\r\n"},
    };
    test_support::resetLauncherState();
    LauncherSettings::language = 2;
    for (const auto& c : cases) {
        screenWidth = c.screenWidth;
        screenHeight = c.screenHeight;
        computeModeSizes();
        std::snprintf(currentProfileName, sizeof currentProfileName, "%s", c.name);
        LauncherSettings::mode = c.mode;
        EXPECT_NE(launchSettingsText().find(c.expected), std::string::npos) << launchSettingsText();
    }
    // A name without terminator is read to the end of its buffer only.
    std::memset(currentProfileName, 'x', sizeof currentProfileName);
    EXPECT_EQ(launchSettingsText().find("name " + std::string(PROFILE_NAME_SIZE, 'x') + "\r\n"), 0u);
}

// Any bytes of the game's settings, up to the bound, follow the launch
// settings; a missing file adds nothing. No temporary file stays; one left by
// an interrupted start is removed on POSIX (kept on Windows: under Wine it may
// be a link). When none can be made the old file stays whole.
TEST(LaunchSettings, JoinWritesLaunchThenGameSettingsExactly) {
    test_support::ScratchDirectory scratch;
    FileFailure why;
    const auto join = [&why] {
        return joinSettingsFiles("name Bob\r\n\r\n", GAME_SETTINGS_PATH, JOINED_SETTINGS_PATH, why);
    };
    const std::string game = "windowed 0\nshadows 2\r\n\0\x01\xff tail"s;
    writeFile(JOINED_SETTINGS_PATH + ".new"s, "left over");
    writeFile(GAME_SETTINGS_PATH, game);
    ASSERT_TRUE(join()) << why.text();
    EXPECT_EQ(readFile(JOINED_SETTINGS_PATH), "name Bob\r\n\r\n" + game);
    const bool kept = fs::exists(JOINED_SETTINGS_PATH + ".new"s);
    EXPECT_EQ(std::distance(fs::directory_iterator("Data"), {}), 2 + kept);
    fs::remove(GAME_SETTINGS_PATH);
    ASSERT_TRUE(join()) << why.text();
    EXPECT_EQ(readFile(JOINED_SETTINGS_PATH), "name Bob\r\n\r\n");
    writeFile(GAME_SETTINGS_PATH, std::string(GAME_SETTINGS_MAX_BYTES + 1, 'g'));
    EXPECT_FALSE(join());
    EXPECT_NE(why.step.find("larger than"), std::string::npos) << why.text();
    fs::resize_file(GAME_SETTINGS_PATH, GAME_SETTINGS_MAX_BYTES);
    ASSERT_TRUE(join()) << why.text();
    EXPECT_EQ(fs::file_size(JOINED_SETTINGS_PATH), GAME_SETTINGS_MAX_BYTES + 12);
    // Every name the temporary file could take is in use.
#ifdef _WIN32
    for (int count = 0; count < 200; ++count) {
        fs::create_directories(JOINED_SETTINGS_PATH + "."s + std::to_string(_getpid()) + "-" +
                               std::to_string(count) + ".new");
    }
#else
    fs::create_directories(JOINED_SETTINGS_PATH + ".new/keep"s);
#endif
    EXPECT_FALSE(join());
    EXPECT_EQ(why.step.rfind("cannot create "s + JOINED_SETTINGS_PATH + ".", 0), 0u) << why.step;
    EXPECT_EQ(fs::file_size(JOINED_SETTINGS_PATH), GAME_SETTINGS_MAX_BYTES + 12);
}

}  // namespace
