// Start Game with a stand-in game, a shell script, hence POSIX: the loading
// text, and the status and message when the game cannot start, both in the
// player's language.
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "settings/launcher_settings.h"
#include "support/test_support.h"
#include "ui/game_handoff.h"
#include "ui/launcher_window.h"

namespace {

class GameHandoff : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::resetLauncherState();
        std::filesystem::create_directory("Data");
        buildLauncherWindow();
    }
    void TearDown() override {
        destroyLauncherWindow();
        test_support::resetLauncherState();
    }

    int handOff(std::filesystem::perms perms) {
        test_support::writeFile("1.exe", "#!/bin/sh\nexit 7\n");
        std::filesystem::permissions("1.exe", perms);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        int status = handOffToGame();
        testing::internal::GetCapturedStdout();
        err = testing::internal::GetCapturedStderr();
        return status;
    }

    test_support::ScratchDirectory scratch;
    std::string err;
};

TEST_F(GameHandoff, OnlyAGameThatCannotStartEndsTheLauncherWithAFailure) {
    LauncherSettings::language = 2;
    EXPECT_EQ(handOff(std::filesystem::perms::owner_all), 0) << err;  // the game itself ends with 7
    EXPECT_EQ(startButton->box(), FL_PLASTIC_UP_BOX);
    EXPECT_STREQ(startButton->label(), "Chargement, veuillez patienter...\n");

    EXPECT_NE(handOff(std::filesystem::perms::owner_read | std::filesystem::perms::owner_write), 0);
    EXPECT_NE(err.find("1.exe"), std::string::npos) << err;
    EXPECT_EQ(std::string(startButton->label()).rfind("Impossible de lancer 1.exe :\n", 0), 0u)
        << startButton->label();
    EXPECT_FALSE(languageChoice->active());
}

}  // namespace
