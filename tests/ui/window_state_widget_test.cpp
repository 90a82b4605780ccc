#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>
// After GoogleTest: the Forms header brings X11's None macro.
#include <FL/forms.H>

#include "support/window_test_support.h"
#include "ui/fitting_choice.h"
#include "ui/window_hold.h"

namespace {

// What a test changes of the window layer, the reset puts back: the scale,
// the picture made at it and the "not saved" warning on the Start button;
// and while the window is held, the choices' captions look inactive.
TEST(WindowState, ResetPutsBackScalePictureAndWarning) {
    fl_flip = 0;  // top-down coordinates, as fl_initialize leaves them
    setUiScale(2);
    buildLauncherWindow();
    tellSettingsUnsaved("No space left on device");
    ASSERT_TRUE(settingsUnsaved());
    // Held while the game runs, the choices' captions dim with them.
    holdLauncherWindow();
    const Fl_Box& caption = static_cast<FittingChoice*>(volumeChoice)->caption();
    EXPECT_FALSE(caption.active());
    releaseLauncherWindow();
    EXPECT_TRUE(caption.active());
    test_support::resetLauncherAndWindowState();
    buildLauncherWindow();
    relabelStartButton();
    EXPECT_EQ(mainWindow->w(), MAIN_WINDOW_W);
    EXPECT_EQ(pictureButton->image()->w(), 168);
    EXPECT_STREQ(startButton->label(), "Start Game");
    test_support::resetLauncherAndWindowState();
}

}  // namespace
