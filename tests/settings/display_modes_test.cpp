#include "settings/display_modes.h"

#include <gtest/gtest.h>

#include <string>

#include "core/screen.h"
#include "settings/launcher_settings.h"
#include "support/test_support.h"

namespace {

class DisplayModesTest : public ::testing::Test {
protected:
    void SetUp() override { test_support::resetLauncherState(); }
    void TearDown() override { test_support::resetLauncherState(); }

    static void computeFor(int width, int height) {
        screenWidth = width;
        screenHeight = height;
        computeModeSizes();
    }
};

// One screen: the stored sizes of modes 2..5 and the whole pixels that a
// cut toward zero gives.
struct ScreenCase {
    int width;
    int height;
    float sizes[4][2];
    int pixels[4][2];
};

const ScreenCase SCREENS[] = {
    {1920,
     1080,
     {{1440, 1080}, {1920, 1080}, {720, 540}, {960, 540}},
     {{1440, 1080}, {1920, 1080}, {720, 540}, {960, 540}}},
    {1366,
     768,
     {{1024, 768}, {1365.3334f, 768}, {512, 384}, {682.6667f, 384}},
     {{1024, 768}, {1365, 768}, {512, 384}, {682, 384}}},
    {1280,
     1024,
     {{1280, 960}, {1280, 720}, {640, 480}, {640, 360}},
     {{1280, 960}, {1280, 720}, {640, 480}, {640, 360}}},
    {1280,
     800,
     {{1066.6667f, 800}, {1280, 720}, {533.3334f, 400}, {640, 360}},
     {{1066, 800}, {1280, 720}, {533, 400}, {640, 360}}},
    {1024,
     768,
     {{1024, 768}, {1024, 576}, {512, 384}, {512, 288}},
     {{1024, 768}, {1024, 576}, {512, 384}, {512, 288}}},
    {1680,
     1050,
     {{1400, 1050}, {1680, 945}, {700, 525}, {840, 472.5f}},
     {{1400, 1050}, {1680, 945}, {700, 525}, {840, 472}}},
};

TEST_F(DisplayModesTest, SizesOfTheSixReferenceScreens) {
    for (const ScreenCase& screen : SCREENS) {
        computeFor(screen.width, screen.height);
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(std::to_string(screen.width) + "x" + std::to_string(screen.height) +
                         " mode " + std::to_string(i + 2));
            EXPECT_FLOAT_EQ(modeSizes[i].width, screen.sizes[i][0]);
            EXPECT_FLOAT_EQ(modeSizes[i].height, screen.sizes[i][1]);
            EXPECT_EQ(static_cast<int>(modeSizes[i].width), screen.pixels[i][0]);
            EXPECT_EQ(static_cast<int>(modeSizes[i].height), screen.pixels[i][1]);
        }
    }
}

TEST_F(DisplayModesTest, FractionalSizesAreTheFloatsOfTheFloatRatioNotOfTheExactOne) {
    // 1.3333334f * 800 and 1.7777778f * 768, formed in double and stored as
    // float: a hair above 1066.6666 and 1365.3333.
    computeFor(1280, 800);
    EXPECT_EQ(modeSizes[0].width, 1066.6667f);
    EXPECT_EQ(modeSizes[2].width, 533.33337f);
    computeFor(1366, 768);
    EXPECT_EQ(modeSizes[1].width, 1365.3334f);
    EXPECT_EQ(modeSizes[3].width, 682.6667f);
}

TEST_F(DisplayModesTest, ExactFourByThreeScreenTakesTheHeightBoundBranch) {
    computeFor(1024, 768);
    EXPECT_EQ(modeSizes[0].width, 1024.0f);
    EXPECT_EQ(modeSizes[0].height, 768.0f);
}

TEST_F(DisplayModesTest, ExactSixteenByNineScreenFillsTheScreenInMode3) {
    computeFor(1920, 1080);
    EXPECT_EQ(modeSizes[1].width, 1920.0f);
    EXPECT_EQ(modeSizes[1].height, 1080.0f);
}

TEST_F(DisplayModesTest, PortraitScreenIsBoundByItsWidth) {
    computeFor(768, 1366);
    EXPECT_EQ(modeSizes[0].width, 768.0f);
    EXPECT_EQ(modeSizes[0].height, 576.0f);
    EXPECT_EQ(modeSizes[1].height, 432.0f);
}

TEST_F(DisplayModesTest, InitialLabelsHoldNoSlash) {
    const char* expected[] = {"Fullscreen", "Windowed 4 3", "Windowed 16 9", "Windowed 4 3 50p",
                              "Windowed 16 9 50p"};
    for (int i = 0; i < MODE_COUNT; ++i) {
        EXPECT_STREQ(modeLabels[i].text, expected[i]);
        EXPECT_EQ(modeLabels[i].number, i + 1);
    }
}

TEST_F(DisplayModesTest, EnglishLabelsFormatWindowedAndHalfSize) {
    formatModeLabels();
    const char* expected[] = {"Fullscreen", "Windowed 4/3", "Windowed 16/9",
                              "Windowed 4/3 half size", "Windowed 16/9 half size"};
    for (int i = 0; i < MODE_COUNT; ++i) EXPECT_STREQ(modeLabels[i].text, expected[i]);
}

TEST_F(DisplayModesTest, LabelsFollowTheLanguageInForceAndKeepTheirNumbers) {
    LauncherSettings::language = 2;
    formatModeLabels();
    EXPECT_STREQ(modeLabels[0].text, "Plein écran");
    EXPECT_STREQ(modeLabels[1].text, "Fénétré 4/3");
    EXPECT_STREQ(modeLabels[4].text, "Fénétré 16/9 demie taille");
    for (int i = 0; i < MODE_COUNT; ++i) EXPECT_EQ(modeLabels[i].number, i + 1);
}

TEST_F(DisplayModesTest, UnknownLanguageGivesEnglishLabels) {
    LauncherSettings::language = 9;
    formatModeLabels();
    EXPECT_STREQ(modeLabels[3].text, "Windowed 4/3 half size");
}

TEST_F(DisplayModesTest, ResetRestoresInitialLabelsAndZeroSizes) {
    computeFor(1920, 1080);
    formatModeLabels();
    resetDisplayModes();
    EXPECT_STREQ(modeLabels[1].text, "Windowed 4 3");
    EXPECT_EQ(modeSizes[0].width, 0.0f);
}

}  // namespace
