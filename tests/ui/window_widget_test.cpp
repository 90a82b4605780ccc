// The window's widgets in-process: the profile choice, the reset of the
// window layer's state, a controller's reports taken as keys.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>
// After GoogleTest: the Forms header brings X11's None macro.
#include <FL/forms.H>

#include <filesystem>
#include <string>

#include "i18n/language_tables.h"
#include "profiles/profile_list.h"
#include "profiles/profile_names.h"
#include "support/window_test_support.h"
#include "ui/fitting_choice.h"
#include "ui/gamepad_input.h"
#include "ui/input_watch.h"
#include "ui/keyboard_navigation.h"
#include "ui/new_profile_dialog.h"
#include "ui/window_hold.h"

#ifndef _WIN32
#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

#include "platform/evdev_pad.h"
#endif

namespace {

// Menu syntax ('/', '\', '|', leading '_') and label drawing ('&', '@') read
// nothing into a name, a name listed twice stays two items, and a name kept
// in the code page is shown in UTF-8. A full list takes no more, and picking
// its inactive new-profile item opens no dialog.
TEST(ProfileChoice, ItemsAreTheNamesAsSpelled) {
    test_support::ScratchDirectory scratch;
    test_support::resetLauncherAndWindowState();
    std::filesystem::create_directories("Data/Profils");
    char zoe[PROFILE_NAME_SIZE];
    ASSERT_TRUE(typedProfileName("Zo\xC3\xAB", zoe, sizeof zoe));
    for (const char* name : {"a/b", "b\\s", "x|y", "_lead", "R&D", "@home", "Anna", "Anna"})
        ProfileList::append(name);
    ProfileList::append(zoe);
    ProfileList::append("P9");
    EXPECT_EQ(ProfileList::append("P10"), -1);
    buildLauncherWindow();
    std::string items;
    for (int i = 0; profileChoice->text(i); ++i) items += "|" + std::string(profileChoice->text(i));
    EXPECT_EQ(items, "|a/b|b\\s|x|y|_lead|R&&D|@@home|Anna|Anna|Zo\xC3\xAB|P9|Create new profile");
    EXPECT_TRUE(profileChoice->menu()[MAX_PROFILES].flags & FL_MENU_INACTIVE);
    profileChoice->value(3);
    profileChoice->do_callback();
    profileChoice->value(MAX_PROFILES);
    profileChoice->do_callback();
    EXPECT_EQ(openNewProfileDialog(), nullptr);
    EXPECT_EQ(profileChoice->value(), 3);
    languageChoice->value(1);  // French, which relabels the new-profile item too
    languageChoice->do_callback();
    EXPECT_STREQ(profileChoice->text(MAX_PROFILES), languageTable(2)[TXT_NEW_PROFILE]);
    test_support::resetLauncherAndWindowState();
}

// What a test changes of the window layer, the reset puts back: the scale,
// the picture made at it and the "not saved" warning on the Start button;
// and while the window is held, the choices' captions look inactive.
TEST(WindowState, ResetPutsBackScalePictureAndWarning) {
    test_support::resetLauncherAndWindowState();
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

#ifndef _WIN32

// On Linux the toolkit watches a pad's descriptor (a pipe stands in for one):
// a D-pad press moves the focus and shows it; a pad pulled out while the
// direction is held is dropped, and the direction does not repeat.
TEST(GamepadInput, ReportsMoveTheFocusUntilThePadIsGone) {
    test_support::resetLauncherAndWindowState();
    buildLauncherWindow();
    showLauncherWindow();
    watchInput();
    int ends[2];
    ASSERT_EQ(pipe2(ends, O_NONBLOCK | O_CLOEXEC), 0);
    platform::adoptGamepad(ends[0]);
    startWatchingGamepads();
    const input_event up[] = {{{}, EV_ABS, ABS_HAT0Y, -1}, {{}, EV_SYN, SYN_REPORT, 0}};
    ASSERT_EQ(write(ends[1], up, sizeof up), static_cast<ssize_t>(sizeof up));
    const auto waitFor = [](bool (*done)()) {
        for (int i = 0; i < 50 && !done(); ++i) Fl::wait(0.02);
    };
    waitFor([] { return focusedWidget() == volumeChoice; });
    EXPECT_TRUE(focusedWidget() == volumeChoice && focusShown());
    close(ends[1]);
    waitFor([] { return platform::gamepadDescriptors().empty(); });
    waitFor([] { return false; });  // a second, longer than a repeat takes
    EXPECT_TRUE(platform::gamepadDescriptors().empty() && focusedWidget() == volumeChoice);
    stopWatchingGamepads();
    test_support::resetLauncherAndWindowState();
}

#endif

}  // namespace
