#include <FL/Fl_Choice.H>
#include <gtest/gtest.h>

#include "core/launcher_window.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"
#include "support/test_support.h"

namespace {

class DisplayModeChoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::resetLauncherState();
        buildLauncherWindow();
    }
    void TearDown() override {
        destroyLauncherWindow();
        test_support::resetLauncherState();
    }
};

TEST_F(DisplayModeChoiceTest, ChoiceStartsWithTheFiveInitialItems) {
    EXPECT_EQ(modeChoice->size(), MODE_COUNT + 1);
    EXPECT_STREQ(modeChoice->text(3), "Windowed 4 3 50p");
}

TEST_F(DisplayModeChoiceTest, EnglishItemsKeepTheirSlashAndMakeNoSubmenu) {
    buildModeLabels();
    EXPECT_EQ(modeChoice->size(), MODE_COUNT + 1);
    EXPECT_STREQ(modeChoice->text(0), "Fullscreen");
    EXPECT_STREQ(modeChoice->text(1), "Windowed 4/3");
    EXPECT_STREQ(modeChoice->text(2), "Windowed 16/9");
    EXPECT_STREQ(modeChoice->text(3), "Windowed 4/3 half size");
    EXPECT_STREQ(modeChoice->text(4), "Windowed 16/9 half size");
    for (int i = 0; i < MODE_COUNT; ++i) EXPECT_FALSE(modeChoice->menu()[i].submenu());
}

TEST_F(DisplayModeChoiceTest, FrenchItemsReplaceTheOldOnesAndTheSelectionStays) {
    modeChoice->value(1);
    LauncherSettings::language = 2;
    buildModeLabels();
    EXPECT_STREQ(modeChoice->text(1), "Fénétré 4/3");
    EXPECT_EQ(modeChoice->value(), 1);
    EXPECT_EQ(modeChoice->size(), MODE_COUNT + 1);
}

TEST_F(DisplayModeChoiceTest, ItemsAreCopiedSoALaterLanguageDoesNotChangeThemBehindTheChoice) {
    buildModeLabels();
    LauncherSettings::language = 2;
    formatModeLabels();
    EXPECT_STREQ(modeChoice->text(1), "Windowed 4/3");
}

TEST_F(DisplayModeChoiceTest, PickOfTheThirdItemRecordsMode3) {
    modeChoice->value(2);
    modeChoice->do_callback();
    EXPECT_EQ(LauncherSettings::mode, 3);
}

TEST_F(DisplayModeChoiceTest, ChoiceWithoutSelectionRecordsMode0) {
    modeChoice->value(-1);
    onModeChosen(modeChoice, nullptr);
    EXPECT_EQ(LauncherSettings::mode, 0);
}

}  // namespace
