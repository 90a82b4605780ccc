#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>
// After GoogleTest: the Forms header brings X11's None macro.
#include <FL/forms.H>

#include "support/window_test_support.h"

namespace {

// What a test changes of the window layer, the reset puts back: the scale,
// the picture made at it and the "not saved" warning on the Start button.
TEST(WindowState, ResetPutsBackScalePictureAndWarning) {
    fl_flip = 0;  // top-down coordinates, as fl_initialize leaves them
    setUiScale(2);
    buildLauncherWindow();
    tellSettingsUnsaved("No space left on device");
    ASSERT_TRUE(settingsUnsaved());
    test_support::resetLauncherAndWindowState();
    buildLauncherWindow();
    relabelStartButton();
    EXPECT_EQ(mainWindow->w(), MAIN_WINDOW_W);
    EXPECT_EQ(pictureButton->image()->w(), 168);
    EXPECT_STREQ(startButton->label(), "Start Game");
    test_support::resetLauncherAndWindowState();
}

}  // namespace
