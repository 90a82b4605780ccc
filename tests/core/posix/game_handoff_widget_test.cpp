// Start Game with stand-in games: what they find, what the console shows and
// the status the launcher ends with. The games are shell scripts, hence POSIX.
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/game_handoff.h"
#include "core/launch_settings.h"
#include "core/launcher_window.h"
#include "core/screen.h"
#include "profiles/profile_list.h"
#include "settings/launcher_settings.h"
#include "support/test_support.h"

using test_support::fileExists;
using test_support::readFile;
using test_support::writeFile;
namespace fs = std::filesystem;

namespace {

class GameHandoff : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::resetLauncherState();
        fs::create_directory("Data");
        screenWidth = 1366;
        screenHeight = 768;
        std::snprintf(currentProfileName, sizeof currentProfileName, "%s", "Bob");
        buildLauncherWindow();
    }
    void TearDown() override {
        destroyLauncherWindow();
        test_support::resetLauncherState();
    }

    // A game that notes where it runs and keeps a copy of the settings file
    // it finds, then ends with `status`.
    void installGame(int status) {
        std::string script =
            "#!/bin/sh\n"
            "pwd -P > game_directory.txt\n"
            "cp Data/config.ini game_saw_config.ini\n"
            "echo 'game running'\n";
        writeFile("1.exe", script + "exit " + std::to_string(status) + "\n");
        fs::permissions("1.exe", fs::perms::owner_all);
    }

    int handOff() {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        int status = handOffToGame();
        out = testing::internal::GetCapturedStdout();
        err = testing::internal::GetCapturedStderr();
        return status;
    }

    test_support::ScratchDirectory scratch;
    std::string out;
    std::string err;
};

TEST_F(GameHandoff, GameRunsInTheInstallationWithTheJoinedSettings) {
    writeFile(GAME_SETTINGS_PATH, "bloom 1\r\n");
    installGame(0);
    EXPECT_EQ(handOff(), 0) << err;
    EXPECT_EQ(readFile("game_directory.txt"), fs::canonical(scratch.path()).string() + "\n");
    EXPECT_EQ(readFile("game_saw_config.ini"), readFile(LAUNCH_SETTINGS_PATH) + "bloom 1\r\n");
    EXPECT_EQ(readFile(LAUNCH_SETTINGS_PATH).rfind("name Bob\r\nresolution 1\r\n", 0), 0u);
}

TEST_F(GameHandoff, ConsoleLinesComeInOrderAroundTheGame) {
    installGame(0);
    handOff();
    EXPECT_EQ(out, "Starting Game\nLoading game. Please wait...\ngame running\nClosing...\n");
    EXPECT_EQ(err, "");
}

TEST_F(GameHandoff, GameOwnStatusStillEndsTheLauncherWithZero) {
    installGame(7);
    EXPECT_EQ(handOff(), 0);
}

TEST_F(GameHandoff, StartButtonShowsTheLoadingTextOfTheLanguageInForce) {
    LauncherSettings::language = 2;
    installGame(0);
    handOff();
    EXPECT_EQ(startButton->box(), FL_PLASTIC_UP_BOX);
    EXPECT_STREQ(startButton->label(), "Chargement, veuillez patienter...\n");
}

TEST_F(GameHandoff, MissingGameIsAFailureTheConsoleAndTheWindowTell) {
    EXPECT_NE(handOff(), 0);
    EXPECT_NE(err.find("1.exe"), std::string::npos) << err;
    EXPECT_NE(err.find("No such file"), std::string::npos) << err;
    EXPECT_NE(std::string(startButton->label()).find("1.exe"), std::string::npos);
    EXPECT_FALSE(languageChoice->active());
}

TEST_F(GameHandoff, GameThatIsNotExecutableIsAFailure) {
    writeFile("1.exe", "#!/bin/sh\nexit 0\n");
    fs::permissions("1.exe", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_NE(handOff(), 0);
    EXPECT_NE(err.find("1.exe"), std::string::npos) << err;
}

TEST_F(GameHandoff, MissingGameStillWritesTheSettingsFirst) {
    handOff();
    EXPECT_TRUE(fileExists(LAUNCH_SETTINGS_PATH));
    EXPECT_EQ(readFile(JOINED_SETTINGS_PATH), readFile(LAUNCH_SETTINGS_PATH));
}

TEST_F(GameHandoff, UnwritableLaunchSettingsAreReportedAndTheGameStillRuns) {
    fs::create_directory(LAUNCH_SETTINGS_PATH);
    writeFile(JOINED_SETTINGS_PATH, "name Anna\r\n");
    installGame(0);
    EXPECT_EQ(handOff(), 0);
    EXPECT_NE(err.find(std::string("Cannot write ") + LAUNCH_SETTINGS_PATH), std::string::npos)
        << err;
    EXPECT_EQ(readFile("game_saw_config.ini"), "name Anna\r\n");
    EXPECT_NE(out.find("Closing...\n"), std::string::npos);
}

}  // namespace
